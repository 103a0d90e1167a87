#pragma once

#include <string>
#include <utility>

namespace rw {

// Outcome of a file command: success, or the file's path with the standard text of what failed.
class Status {
  public:
    static Status Ok() { return Status(); }
    static Status Failure(std::string path, std::string text) {
        Status s;
        s.ok_ = false;
        s.path_ = std::move(path);
        s.text_ = std::move(text);
        return s;
    }

    bool ok() const { return ok_; }
    const std::string& path() const { return path_; }
    const std::string& text() const { return text_; }
    // One line for a message box or stderr: "path: text".
    std::string Message() const { return ok_ ? std::string() : path_ + ": " + text_; }

  private:
    bool ok_ = true;
    std::string path_;
    std::string text_;
};

// The standard texts a user sees.
inline constexpr const char* kFileNotFound = "File not found";
inline constexpr const char* kFileAccessDenied = "File access denied";
inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";
inline constexpr const char* kDiskFull = "Disk full";

}  // namespace rw
