#include "patch/patch_cursor.h"

#include "edition/utf8.h"
#include "edition/windows1251.h"

namespace rw {
namespace {

constexpr size_t kLongestToken = 24;

bool IsSpaceOrTab(int c) {
    return c == ' ' || c == '\t';
}

// Message text from patch bytes: UTF-8 stays, anything else is taken as Windows-1251.
std::string Readable(std::string_view bytes) {
    if (DecodeUtf8(bytes)) return std::string(bytes);
    std::string text;
    for (const char c : bytes) text += EncodeUtf8(FromWindows1251(static_cast<uint8_t>(c)));
    return text;
}

// `length` shortened so that it does not end inside a UTF-8 sequence.
size_t WholeCharacters(std::string_view text, size_t begin, size_t length) {
    size_t backed = 0;
    while (backed < 3 && length > backed && begin + length - backed < text.size() &&
           (static_cast<unsigned char>(text[begin + length - backed]) & 0xC0) == 0x80) {
        ++backed;
    }
    return backed < length ? length - backed : length;
}

}  // namespace

bool PatchCursor::AtLineEnd() const {
    const int c = Peek();
    return c == kEnd || c == '\n' || (c == '\r' && Peek(1) == '\n');
}

void PatchCursor::SkipLineEnd() {
    if (Peek() == '\r') Advance();
    if (Peek() == '\n') {
        Advance();
        ++line_;
    }
}

bool PatchCursor::AtLineComment() const {
    const int c = Peek();
    return c == ';' || c == '#' || (c == '/' && Peek(1) == '/');
}

void PatchCursor::SkipRestOfLine() {
    while (!AtLineEnd()) Advance();
}

bool PatchCursor::AtBlank() const {
    const int c = Peek();
    return IsSpaceOrTab(c) || (c == '/' && Peek(1) == '*');
}

// A "\" followed by nothing but blanks or a comment up to the end of its line.
bool PatchCursor::AtContinuation() const {
    if (Peek() != '\\') return false;
    size_t ahead = 1;
    while (IsSpaceOrTab(Peek(ahead))) ++ahead;
    const int c = Peek(ahead);
    return c == kEnd || c == '\n' || (c == '\r' && Peek(ahead + 1) == '\n') || c == ';' ||
           c == '#' || (c == '/' && Peek(ahead + 1) == '/');
}

bool PatchCursor::SkipComment() {
    const int start = line_;
    Advance(2);
    while (!AtEnd()) {
        if (Peek() == '*' && Peek(1) == '/') {
            Advance(2);
            return true;
        }
        if (Peek() == '\n') ++line_;
        Advance();
    }
    return FailAt(start, {MessageId::PatchUnterminatedComment, {}});
}

bool PatchCursor::SkipBlanks(bool in_data) {
    for (;;) {
        if (Peek() == '/' && Peek(1) == '*') {
            if (!SkipComment()) return false;
        } else if (AtBlank()) {
            Advance();
        } else if (in_data && AtContinuation()) {
            Advance();
            SkipRestOfLine();
            SkipLineEnd();
        } else {
            return true;
        }
    }
}

bool PatchCursor::FailAt(int line, Message reason) {
    if (!fault_) fault_ = PatchFault{line, std::move(reason)};
    return false;
}

std::string PatchCursor::TokenHere() const {
    size_t end = pos_;
    while (end < text_.size() && end - pos_ < kLongestToken) {
        const char c = text_[end];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') break;
        ++end;
    }
    return Readable(text_.substr(pos_, WholeCharacters(text_, pos_, end - pos_)));
}

std::string PatchCursor::TextSince(size_t begin) const {
    const size_t length = pos_ - begin;
    if (length <= kLongestToken) return Readable(text_.substr(begin, length));
    return Readable(text_.substr(begin, WholeCharacters(text_, begin, kLongestToken))) + "...";
}

}  // namespace rw
