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
    inodes_[path] = next_inode_++;
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
    inodes_[to] = inodes_[from];
    inodes_.erase(from);
    return 0;
}

int MemoryFileSystem::Remove(const std::string& path) {
    inodes_.erase(path);
    return files_.erase(path) ? 0 : -ENOENT;
}

FileInfo MemoryFileSystem::InfoOf(const std::string& path) const {
    FileInfo info;
    info.device = 1;
    const auto inode = inodes_.find(path);
    info.inode = inode == inodes_.end() ? 0 : inode->second;
    info.mode = 0100644;  // a regular file, rw-r--r--
    info.size = static_cast<int64_t>(files_.at(path).size());
    return info;
}

int MemoryFileSystem::Stat(int fd, FileInfo* info) {
    const auto it = open_.find(fd);
    if (it == open_.end() || !files_.count(it->second.path)) return -EBADF;
    *info = InfoOf(it->second.path);
    return 0;
}

int MemoryFileSystem::StatPath(const std::string& path, FileInfo* info) {
    if (!files_.count(path)) return -ENOENT;
    *info = InfoOf(path);
    return 0;
}

int MemoryFileSystem::ResolvePath(const std::string& path, std::string* resolved) {
    if (!files_.count(path)) return -ENOENT;
    *resolved = path;
    return 0;
}

int MemoryFileSystem::MayWrite(const std::string& path) {
    return files_.count(path) ? 0 : -ENOENT;
}

int MemoryFileSystem::Truncate(int fd, int64_t size) {
    std::vector<uint8_t>* file = FileOf(fd);
    if (!file || !open_[fd].writable) return -EBADF;
    if (size < 0) return -EINVAL;
    file->resize(static_cast<size_t>(size));
    return 0;
}

}  // namespace rw
