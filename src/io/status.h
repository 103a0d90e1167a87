#pragma once

#include <string>
#include <utility>

#include "edition/message.h"
#include "edition/terminal_text.h"
#include "model/edition.h"

namespace rw {

// Outcome of a file command: success, or the file's path with a message of what failed. The
// message is a value (see edition/message.h): the window shows it in the interface language, the
// command-line tool in English. A failure must not go unseen: a call that means to drop one says
// so with IgnoreFailure.
class [[nodiscard]] Status {
  public:
    static Status Ok() { return Status(); }
    static Status Failure(std::string path, Message message) {
        Status s;
        s.ok_ = false;
        s.path_ = std::move(path);
        s.message_ = std::move(message);
        return s;
    }
    // A failure whose text reads the same in every language (the standard texts).
    static Status Failure(std::string path, std::string text) {
        return Failure(std::move(path), Message::AsIs(std::move(text)));
    }

    // A failure after which the file holds neither its old nor its new bytes.
    static Status PartlyWritten(std::string path, Message message) {
        Status s = Failure(std::move(path), std::move(message));
        s.partly_written_ = true;
        return s;
    }
    static Status PartlyWritten(std::string path, std::string text) {
        return PartlyWritten(std::move(path), Message::AsIs(std::move(text)));
    }
    // A command stopped by signal `signal` before anything was written.
    static Status Cancelled(std::string path, int signal) {
        Status s = Failure(std::move(path), Message{MessageId::CancelledNothingWritten, {}});
        s.signal_ = signal;
        return s;
    }
    // The same outcome with a note the user should read even on success (a rolled-back save).
    Status WithNote(Message note) const {
        Status s = *this;
        s.note_ = std::move(note);
        return s;
    }
    Status WithNote(std::string note) const { return WithNote(Message::AsIs(std::move(note))); }

    bool ok() const { return ok_; }
    bool partly_written() const { return partly_written_; }
    // The signal that cancelled the command, 0 when none did.
    int cancelled_by() const { return signal_; }
    // Empty when there is none.
    const rw::Message& note() const { return note_; }
    const std::string& path() const { return path_; }
    const rw::Message& message() const { return message_; }
    // What failed, in English (the command-line tool's language).
    std::string text() const { return Render(message_, kEnglish); }
    // "path: text" in a language, for a message box or stderr.
    std::string Line(Language language) const {
        return ok_ ? std::string() : path_ + ": " + Render(message_, language);
    }

    // The same as the window shows it: the path and the text escaped as the command-line tool
    // prints them (see terminal_text.h).
    std::string ShownLine(Language language) const {
        return ok_ ? std::string()
                   : EscapeControlBytes(path_) + ": " + ShownText(message_, language);
    }

  private:
    bool ok_ = true;
    bool partly_written_ = false;
    int signal_ = 0;
    std::string path_;
    rw::Message message_;
    rw::Message note_;
};

// Drops an outcome on purpose: the caller has its own way on, whatever happened (the comment at
// the call says why).
inline void IgnoreFailure(const Status&) {}

// The standard texts a user sees; they read the same in every language.
inline constexpr const char* kFileNotFound = "File not found";
inline constexpr const char* kFileAccessDenied = "File access denied";
inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";
inline constexpr const char* kDiskFull = "Disk full";
inline constexpr const char* kFileTooLarge = "File too large";

// Failures of the program's own, in the interface language.
inline const Message kNotRegularFile{MessageId::NotRegularFile, {}};
inline const Message kInUse{MessageId::FileInUse, {}};
inline const Message kReadOnlyFile{MessageId::ReadOnlyFile, {}};
inline const Message kSameFile{MessageId::SameFile, {}};

}  // namespace rw
