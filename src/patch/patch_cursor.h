#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "edition/message.h"

namespace rw {

// The first fault found in a patch: the line it stands on and what is wrong.
struct PatchFault {
    int line = 0;
    Message reason;
};

// Walks the text of a patch byte by byte, counting lines, and keeps the first fault found.
// Lines end in LF or CR LF (a lone CR is refused before the walk, see the reader). Comments run
// from ";", "//" or "#" to the end of the line; a
// "/* ... */" comment may stand anywhere, also across lines, and counts as a blank.
class PatchCursor {
  public:
    static constexpr int kEnd = -1;

    explicit PatchCursor(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    // The byte `ahead` places on (0..255), or kEnd past the text.
    int Peek(size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? static_cast<unsigned char>(text_[pos_ + ahead]) : kEnd;
    }
    bool LooksAt(std::string_view word) const { return Rest().starts_with(word); }
    // The text from here to its end.
    std::string_view Rest() const {
        return pos_ < text_.size() ? text_.substr(pos_) : std::string_view();
    }
    void Advance(size_t count = 1) { pos_ += count; }
    // The next `length` bytes, stepped over.
    std::string_view Take(size_t length) {
        const std::string_view taken = text_.substr(pos_, length);
        pos_ += taken.size();
        return taken;
    }
    // The bytes from here on while `accepts` holds, stepped over.
    std::string_view TakeWhile(bool (*accepts)(int c)) {
        size_t length = 0;
        while (accepts(Peek(length))) ++length;
        return Take(length);
    }
    size_t position() const { return pos_; }
    int line() const { return line_; }

    // At LF, CR LF or the end of the text.
    bool AtLineEnd() const;
    // Steps over a line end, counting the line.
    void SkipLineEnd();
    // At ";", "//" or "#".
    bool AtLineComment() const;
    // Steps up to the line end, not over it.
    void SkipRestOfLine();
    // At a space, a tab or a "/*".
    bool AtBlank() const;

    // Steps over blanks and /* */ comments. In data, a "\" that ends a line (a comment may follow
    // it) is a blank too: the data go on on the next line. False, with the fault, for a comment
    // that never ends.
    bool SkipBlanks(bool in_data = false);

    // Keeps the first fault only and returns false, so a reader can `return cursor.Fail(...)`.
    bool Fail(Message reason) { return FailAt(line_, std::move(reason)); }
    bool FailAt(int line, Message reason);
    const std::optional<PatchFault>& fault() const { return fault_; }

    // The text from here to the next blank or line end (at most 24 bytes) as a message shows it:
    // UTF-8 as it is, any other bytes read as Windows-1251.
    std::string TokenHere() const;
    // Fail with "unknown token" and the token here.
    bool FailUnknownToken() { return Fail({MessageId::PatchUnknownToken, {TokenHere()}}); }
    // The same for the bytes from `begin` to here.
    std::string TextSince(size_t begin) const;

  private:
    bool SkipComment();
    bool AtContinuation() const;

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
    std::optional<PatchFault> fault_;
};

}  // namespace rw
