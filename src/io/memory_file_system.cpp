#include "io/memory_file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace rw {

const std::vector<uint8_t>* MemoryFileSystem::Get(const std::string& path) const {
    const auto it = files_.find(path);
    return it == files_.end() ? nullptr : &it->second;
}

int MemoryFileSystem::Open(const std::string& path, bool writable) {
    if (!files_.count(path)) return -ENOENT;
    open_[next_fd_] = {path, writable};
    return next_fd_++;
}

int MemoryFileSystem::OpenForReading(const std::string& path) {
    return Open(path, false);
}
int MemoryFileSystem::OpenExistingForWriting(const std::string& path) {
    return Open(path, true);
}

int MemoryFileSystem::CreateNew(const std::string& path) {
    if (files_.count(path)) return -EEXIST;
    files_[path] = {};
    return Open(path, true);
}

std::vector<uint8_t>* MemoryFileSystem::FileOf(int fd) {
    const auto it = open_.find(fd);
    if (it == open_.end()) return nullptr;
    const auto file = files_.find(it->second.path);
    return file == files_.end() ? nullptr : &file->second;
}

int64_t MemoryFileSystem::Size(int fd) {
    const std::vector<uint8_t>* file = FileOf(fd);
    return file ? static_cast<int64_t>(file->size()) : -EBADF;
}

int64_t MemoryFileSystem::ReadAt(int fd, void* buffer, size_t count, int64_t position) {
    const std::vector<uint8_t>* file = FileOf(fd);
    if (!file) return -EBADF;
    if (position < 0) return -EINVAL;
    if (static_cast<uint64_t>(position) >= file->size()) return 0;
    const size_t n = std::min(count, file->size() - static_cast<size_t>(position));
    std::memcpy(buffer, file->data() + position, n);
    return static_cast<int64_t>(n);
}

int64_t MemoryFileSystem::WriteAt(int fd, const void* buffer, size_t count, int64_t position) {
    std::vector<uint8_t>* file = FileOf(fd);
    if (!file || !open_[fd].writable) return -EBADF;
    if (position < 0) return -EINVAL;
    const size_t end = static_cast<size_t>(position) + count;
    if (end > file->size()) file->resize(end);
    std::memcpy(file->data() + position, buffer, count);
    return static_cast<int64_t>(count);
}

int MemoryFileSystem::Flush(int fd) {
    return FileOf(fd) ? 0 : -EBADF;
}

int MemoryFileSystem::Close(int fd) {
    return open_.erase(fd) ? 0 : -EBADF;
}

int MemoryFileSystem::Rename(const std::string& from, const std::string& to) {
    const auto it = files_.find(from);
    if (it == files_.end()) return -ENOENT;
    std::vector<uint8_t> bytes = std::move(it->second);
    files_.erase(it);
    files_[to] = std::move(bytes);
    return 0;
}

int MemoryFileSystem::Remove(const std::string& path) {
    return files_.erase(path) ? 0 : -ENOENT;
}

}  // namespace rw
