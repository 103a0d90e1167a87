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

    // A failure after which the file holds neither its old nor its new bytes.
    static Status PartlyWritten(std::string path, std::string text) {
        Status s = Failure(std::move(path), std::move(text));
        s.partly_written_ = true;
        return s;
    }
    // The same outcome with a note the user should read even on success (a rolled-back save).
    Status WithNote(std::string note) const {
        Status s = *this;
        s.note_ = std::move(note);
        return s;
    }

    bool ok() const { return ok_; }
    bool partly_written() const { return partly_written_; }
    const std::string& note() const { return note_; }
    const std::string& path() const { return path_; }
    const std::string& text() const { return text_; }
    // One line for a message box or stderr: "path: text".
    std::string Message() const { return ok_ ? std::string() : path_ + ": " + text_; }

  private:
    bool ok_ = true;
    bool partly_written_ = false;
    std::string path_;
    std::string text_;
    std::string note_;
};

// The standard texts a user sees.
inline constexpr const char* kFileNotFound = "File not found";
inline constexpr const char* kFileAccessDenied = "File access denied";
inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";
inline constexpr const char* kDiskFull = "Disk full";
inline constexpr const char* kNotRegularFile = "not a regular file";
inline constexpr const char* kInUse = "the file is in use by another program";
inline constexpr const char* kReadOnlyFile = "read-only file";
inline constexpr const char* kSameFile = "the input and the output are the same file";

}  // namespace rw
