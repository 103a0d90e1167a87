#include "io/read_only_guard.h"

namespace rw {

Status RefuseReadOnlyImage(FileSystem& fs, const std::string& path) {
    FileInfo info;
    if (fs.StatPath(path, &info) < 0 || (info.mode & 0222) != 0) return Status::Ok();
    return Status::Failure(path, Message{MessageId::ImageReadOnly, {}});
}

}  // namespace rw
