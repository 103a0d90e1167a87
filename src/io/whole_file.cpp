#include "io/whole_file.h"

namespace rw {

Status ReadWholeFile(FileSystem& fs, const std::string& path, int64_t max_size,
                     const Message& too_large, std::vector<uint8_t>& bytes) {
    File file(fs, path);
    Status status = file.OpenForReading();
    int64_t size = 0;
    if (status.ok()) status = file.Size(&size);
    if (!status.ok()) return status;
    if (size > max_size) return Status::Failure(path, too_large);
    std::vector<uint8_t> read(static_cast<size_t>(size));
    status = file.ReadAt(0, read);
    if (status.ok()) status = file.Close();
    if (status.ok()) bytes = std::move(read);
    return status;
}

}  // namespace rw
