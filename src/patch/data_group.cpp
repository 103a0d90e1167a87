#include "patch/data_group.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "edition/utf8.h"
#include "edition/windows1251.h"
#include "patch/hex_text.h"

namespace rw {
namespace {

constexpr int kMostHexDigits = 8;
constexpr int kMostBinaryDigits = 32;

// The escapes a letter names, in both kinds of string: "\n" and so on.
struct NamedEscape {
    char letter;
    uint8_t byte;
};
constexpr std::array<NamedEscape, 13> kNamedEscapes = {{{'n', '\n'},
                                                        {'r', '\r'},
                                                        {'t', '\t'},
                                                        {'a', '\a'},
                                                        {'b', '\b'},
                                                        {'v', '\v'},
                                                        {'f', '\f'},
                                                        {'e', 0x1B},
                                                        {'\\', '\\'},
                                                        {'"', '"'},
                                                        {'\'', '\''},
                                                        {'/', '/'},
                                                        {'*', '*'}}};

bool IsWordByte(int c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '?' ||
           c == '_';
}

void AppendLittleEndian(uint64_t value, int size, std::vector<uint8_t>* bytes) {
    for (int i = 0; i < size; ++i) bytes->push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Bytes a 0i number takes for its count of digits, 0 for a count no size has.
int DecimalSize(size_t digits) {
    if (digits == 0) return 0;
    if (digits <= 3) return 1;
    constexpr std::array<size_t, 8> kDigitsOfSize = {3, 5, 8, 10, 13, 15, 17, 20};
    for (size_t size = 1; size < kDigitsOfSize.size(); ++size) {
        if (digits == kDigitsOfSize[size]) return static_cast<int>(size) + 1;
    }
    return 0;
}

// Reads the numbers and strings of one group.
class GroupReader {
  public:
    GroupReader(PatchCursor& cursor, PatchEncoding encoding, std::vector<uint8_t>* bytes)
        : cursor_(cursor), encoding_(encoding), bytes_(bytes) {}

    bool Read() {
        bool after_comma = false;
        for (;;) {
            const int c = cursor_.Peek();
            if (c == ',') {
                cursor_.Advance();
                after_comma = true;
                continue;
            }
            if (cursor_.AtBlank() || c == '\\') {
                const size_t before = cursor_.position();
                if (!cursor_.SkipBlanks(/*in_data=*/true)) return false;
                if (cursor_.position() == before)
                    return cursor_.FailUnknownToken();  // a stray backslash
                if (after_comma || cursor_.Peek() == ',') continue;
                return true;
            }
            if (cursor_.AtLineEnd() || cursor_.AtLineComment()) return true;
            if (!ReadItem(c)) return false;
            after_comma = false;
        }
    }

  private:
    bool ReadItem(int c) {
        if (c == '"') return ReadString(/*wide=*/false);
        if (c == '\'') return ReadString(/*wide=*/true);
        if (!IsWordByte(c)) return cursor_.FailUnknownToken();
        if (c == '0') {
            const int prefix = cursor_.Peek(1);
            if (prefix == 'x' || prefix == 'X') return ReadPrefixed(&GroupReader::HexNumber);
            if (prefix == 'i') return ReadPrefixed(&GroupReader::DecimalNumber);
            if (prefix == 'n') return ReadPrefixed(&GroupReader::BinaryNumber);
        }
        return ReadHexBytes();
    }

    bool ReadHexBytes() {
        const size_t begin = cursor_.position();
        const std::string_view word = cursor_.TakeWhile(IsWordByte);
        for (const char c : word) {
            if (HexDigitValue(c) < 0) {
                return cursor_.Fail({MessageId::PatchPlaceholder, {cursor_.TextSince(begin)}});
            }
        }
        if (word.size() % 2 != 0) {
            return cursor_.Fail({MessageId::PatchOddHexDigits, {cursor_.TextSince(begin)}});
        }
        for (size_t i = 0; i < word.size(); i += 2) {
            bytes_->push_back(
                static_cast<uint8_t>(HexDigitValue(word[i]) << 4 | HexDigitValue(word[i + 1])));
        }
        return true;
    }

    // 0x, 0i or 0n and what follows; a comment right after it needs a space before it.
    bool ReadPrefixed(bool (GroupReader::*number)(size_t begin)) {
        const size_t begin = cursor_.position();
        cursor_.Advance(2);
        if (!(this->*number)(begin)) return false;
        if (cursor_.AtLineComment() || (cursor_.Peek() == '/' && cursor_.Peek(1) == '*')) {
            return cursor_.Fail({MessageId::PatchCommentAfterNumber, {cursor_.TextSince(begin)}});
        }
        return true;
    }

    bool HexNumber(size_t begin) {
        const std::string_view digits = cursor_.TakeWhile(IsWordByte);
        uint64_t value = 0;
        for (const char c : digits) {
            if (HexDigitValue(c) < 0) return NotANumber(begin, MessageId::PatchNotHexNumber);
            value = value << 4 | static_cast<uint64_t>(HexDigitValue(c));
        }
        if (digits.empty()) return NotANumber(begin, MessageId::PatchNotHexNumber);
        if (digits.size() > kMostHexDigits) {
            return cursor_.Fail({MessageId::PatchTooManyHexDigits, {cursor_.TextSince(begin)}});
        }
        AppendLittleEndian(value, static_cast<int>((digits.size() + 1) / 2), bytes_);
        return true;
    }

    bool BinaryNumber(size_t begin) {
        const std::string_view digits = cursor_.TakeWhile(IsWordByte);
        uint64_t value = 0;
        for (const char c : digits) {
            if (c != '0' && c != '1') return NotANumber(begin, MessageId::PatchNotBinaryNumber);
            value = value << 1 | static_cast<uint64_t>(c - '0');
        }
        if (digits.empty()) return NotANumber(begin, MessageId::PatchNotBinaryNumber);
        if (digits.size() > kMostBinaryDigits) {
            return cursor_.Fail({MessageId::PatchTooManyBinaryDigits, {cursor_.TextSince(begin)}});
        }
        AppendLittleEndian(value, static_cast<int>((digits.size() + 7) / 8), bytes_);
        return true;
    }

    bool DecimalNumber(size_t begin) {
        const int sign = cursor_.Peek();
        const bool is_signed = sign == '-' || sign == '+';
        if (is_signed) cursor_.Advance();
        const std::string_view digits = cursor_.TakeWhile(IsWordByte);
        uint64_t value = 0;
        bool overflow = false;
        for (const char c : digits) {
            if (c < '0' || c > '9') return NotANumber(begin, MessageId::PatchNotDecimalNumber);
            const uint64_t digit = static_cast<uint64_t>(c - '0');
            overflow |= value > (std::numeric_limits<uint64_t>::max() - digit) / 10;
            value = value * 10 + digit;
        }
        if (digits.empty()) return NotANumber(begin, MessageId::PatchNotDecimalNumber);
        const int size = DecimalSize(digits.size());
        if (size == 0) {
            return cursor_.Fail({MessageId::PatchDecimalDigitCount,
                                 {cursor_.TextSince(begin), std::to_string(digits.size())}});
        }
        const int bits = 8 * size;
        const uint64_t unsigned_max = bits == 64 ? ~uint64_t{0} : (uint64_t{1} << bits) - 1;
        // A negative number may reach one further than a positive one.
        const uint64_t largest = !is_signed    ? unsigned_max
                                 : sign == '-' ? uint64_t{1} << (bits - 1)
                                               : (uint64_t{1} << (bits - 1)) - 1;
        if (overflow || value > largest) {
            return cursor_.Fail({MessageId::PatchNumberDoesNotFit,
                                 {cursor_.TextSince(begin), std::to_string(size)}});
        }
        AppendLittleEndian(sign == '-' ? ~value + 1 : value, size, bytes_);
        return true;
    }

    bool NotANumber(size_t begin, MessageId kind) {
        while (IsWordByte(cursor_.Peek())) cursor_.Advance();
        return cursor_.Fail({kind, {cursor_.TextSince(begin)}});
    }

    // "..." (Windows-1251 bytes) or '...' (UTF-16LE of each character). A "\" at the end of a
    // line continues the string on the next one.
    bool ReadString(bool wide) {
        const int quote = cursor_.Peek();
        const int start_line = cursor_.line();
        cursor_.Advance();
        for (;;) {
            if (cursor_.AtLineEnd()) {
                return cursor_.FailAt(start_line, {MessageId::PatchUnterminatedString, {}});
            }
            const int c = cursor_.Peek();
            if (c == quote) {
                cursor_.Advance();
                return true;
            }
            if ((c == '/' && (cursor_.Peek(1) == '*' || cursor_.Peek(1) == '/')) ||
                (c == '*' && cursor_.Peek(1) == '/')) {
                return cursor_.Fail({MessageId::PatchCommentMarkInString, {}});
            }
            uint32_t unit = 0;
            if (c == '\\') {
                cursor_.Advance();
                if (cursor_.AtLineEnd() && !cursor_.AtEnd()) {
                    cursor_.SkipLineEnd();
                    continue;
                }
                if (!ReadEscape(wide, &unit)) return false;
            } else if (!ReadCharacter(wide, &unit)) {
                return false;
            }
            if (wide && unit > 0xFFFF) {
                // Beyond the first plane UTF-16 takes a surrogate pair.
                PutUnit(wide, 0xD800 + ((unit - 0x10000) >> 10));
                unit = 0xDC00 + ((unit - 0x10000) & 0x3FF);
            }
            PutUnit(wide, unit);
        }
    }

    void PutUnit(bool wide, uint32_t unit) {
        bytes_->push_back(static_cast<uint8_t>(unit));
        if (wide) bytes_->push_back(static_cast<uint8_t>(unit >> 8));
    }

    // One character of a string as it is written in the file: a byte of "..." (Windows-1251) or
    // the code of a character of '...'.
    bool ReadCharacter(bool wide, uint32_t* unit) {
        if (encoding_ == PatchEncoding::Windows1251) {
            const auto byte = static_cast<uint8_t>(cursor_.Peek());
            cursor_.Advance();
            *unit = wide ? FromWindows1251(byte) : byte;
            return true;
        }
        size_t length = 1;
        const std::optional<char32_t> c = DecodeUtf8Character(cursor_.Rest(), &length);
        if (!c) return cursor_.Fail({MessageId::PatchNotUtf8, {}});
        const std::string_view written = cursor_.Take(length);
        if (wide) {
            *unit = *c;
            return true;
        }
        const std::optional<uint8_t> byte = ToWindows1251(*c);
        if (!byte) {
            return cursor_.Fail({MessageId::PatchNotInWindows1251, {std::string(written)}});
        }
        *unit = *byte;
        return true;
    }

    // The escape after a "\": one byte in "...", one UTF-16 unit in '...'.
    bool ReadEscape(bool wide, uint32_t* unit) {
        const int c = cursor_.Peek();
        for (const NamedEscape& named : kNamedEscapes) {
            if (c == named.letter) {
                cursor_.Advance();
                *unit = named.byte;
                return true;
            }
        }
        const size_t begin = cursor_.position() - 1;
        if (c == 'x') {
            if (!ReadCodeEscape(begin, 1, 16, 2, unit)) return false;
            // Above 7F a byte string would depend on the code page the patch was written in.
            if (wide || *unit <= 0x7F) return true;
            return cursor_.Fail({MessageId::PatchByteEscapeAbove7F, {cursor_.TextSince(begin)}});
        }
        if (c == 'u' && wide) return ReadCodeEscape(begin, 1, 16, 4, unit, 4);
        if (c >= '0' && c <= '7') {
            if (!ReadCodeEscape(begin, 0, 8, 3, unit)) return false;
            if (wide || *unit <= 0xFF) return true;
            return cursor_.Fail({MessageId::PatchEscapePastOneByte, {cursor_.TextSince(begin)}});
        }
        if (c == PatchCursor::kEnd) return cursor_.Fail({MessageId::PatchUnterminatedString, {}});
        cursor_.Advance();
        return cursor_.Fail({MessageId::PatchUnknownEscape, {cursor_.TextSince(begin)}});
    }

    // \xNN, \uNNNN or \NNN: up to `most` digits of `base` after `skip` letters; `least` digits
    // at the fewest (one, except four for \u).
    bool ReadCodeEscape(size_t begin, size_t skip, int base, int most, uint32_t* unit,
                        int least = 1) {
        cursor_.Advance(skip);
        uint32_t value = 0;
        int digits = 0;
        for (; digits < most; ++digits) {
            const int d = HexDigitValue(cursor_.Peek());
            if (d < 0 || d >= base) break;
            value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(d);
            cursor_.Advance();
        }
        if (digits < least) {
            return cursor_.Fail({MessageId::PatchIncompleteEscape, {cursor_.TextSince(begin)}});
        }
        *unit = value;
        return true;
    }

    PatchCursor& cursor_;
    PatchEncoding encoding_;
    std::vector<uint8_t>* bytes_;
};

}  // namespace

bool ReadDataGroup(PatchCursor& cursor, PatchEncoding encoding, std::vector<uint8_t>* bytes) {
    return GroupReader(cursor, encoding, bytes).Read();
}

}  // namespace rw
