#include "patch/patch_reader.h"

#include <array>

#include "patch/data_group.h"
#include "patch/hex_text.h"
#include "patch/patch_cursor.h"
#include "patch/patch_problems.h"

namespace rw {
namespace {

constexpr int64_t kAddressLimit = int64_t{1} << 32;

// The switches by name, as "#pragma enable NAME" spells them.
struct PragmaName {
    std::string_view name;
    bool PatchPragmas::*flag;
};
constexpr std::array<PragmaName, 5> kPragmaNames = {{
    {"warn_no_old_on_apply", &PatchPragmas::warn_no_old_on_apply},
    {"warn_if_new_exist_on_apply", &PatchPragmas::warn_if_new_exist_on_apply},
    {"warn_if_old_exist_on_undo", &PatchPragmas::warn_if_old_exist_on_undo},
    {"undo", &PatchPragmas::undo},
    {"old_equal_ff", &PatchPragmas::old_equal_ff},
}};

bool IsNameByte(int c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// "+0C0000" or "-000010".
std::string SignedAddress(int64_t value) {
    return (value < 0 ? "-" : "+") + PatchAddress(value < 0 ? -value : value);
}

// Text read between two reports of progress.
constexpr size_t kProgressStep = size_t{1} << 20;

class PatchReader {
  public:
    PatchReader(std::string_view text, Patch* patch, const ReadProgress& progress)
        : cursor_(text), patch_(patch), progress_(progress), size_(text.size()) {}

    bool ReadAll() {
        if (cursor_.LooksAt("\xEF\xBB\xBF")) {  // a UTF-8 byte order mark
            cursor_.Advance(3);
            encoding_ = PatchEncoding::Utf8;
        }
        if (cursor_.LooksAt("{\\rtf")) return cursor_.Fail({MessageId::PatchRtfDocument, {}});
        if (LooksLikeUtf16(cursor_.Rest())) return cursor_.Fail({MessageId::PatchUtf16Text, {}});
        if (!RefuseLoneCarriageReturn(cursor_.Rest())) return false;
        size_t next_report = kProgressStep;
        while (!cursor_.AtEnd()) {
            if (!ReadStatement()) return false;
            if (progress_ && cursor_.position() >= next_report) {
                next_report = cursor_.position() + kProgressStep;
                const double done =
                    static_cast<double>(cursor_.position()) / static_cast<double>(size_);
                if (!progress_(done)) return cursor_.FailAt(0, {MessageId::PatchReadCancelled, {}});
            }
        }
        WarnAboutStateLeftOn();
        return true;
    }

    const PatchCursor& cursor() const { return cursor_; }

  private:
    // A byte order mark, or a zero byte among the first two: a character of ASCII in UTF-16.
    static bool LooksLikeUtf16(std::string_view text) {
        return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF") ||
               (text.size() >= 2 && (text[0] == '\0' || text[1] == '\0'));
    }

    // A CR that does not come before an LF ends no line here, while an editor shows a line
    // break: read as a blank it would join two lines, in a comment it would hide the next line.
    bool RefuseLoneCarriageReturn(std::string_view text) {
        int line = cursor_.line();
        for (size_t at = 0; at < text.size(); ++at) {
            if (text[at] == '\n') ++line;
            if (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n')) {
                return cursor_.FailAt(line, {MessageId::PatchLoneCarriageReturn, {}});
            }
        }
        return true;
    }

    // One line's worth: nothing, a comment, a pragma, a corrector or a data line.
    bool ReadStatement() {
        if (!cursor_.SkipBlanks()) return false;
        if (cursor_.AtLineEnd()) {
            cursor_.SkipLineEnd();
            return true;
        }
        // "#pragmaenable" is a pragma misspelt, not a comment that leaves the switch as it was.
        if (cursor_.LooksAt("#pragma")) return ReadPragma();
        if (cursor_.AtLineComment()) {
            cursor_.SkipRestOfLine();
            return true;
        }
        const int c = cursor_.Peek();
        if (c == '+' || c == '-') return ReadCorrector();
        return ReadDataLine();
    }

    bool IsBlankOrLineEnd(size_t ahead) const {
        const int c = cursor_.Peek(ahead);
        return c == PatchCursor::kEnd || c == ' ' || c == '\t' || c == '\r' || c == '\n';
    }

    // Blanks and a comment up to the line end, which must come next.
    bool EndOfStatement() {
        if (!cursor_.SkipBlanks()) return false;
        if (cursor_.AtLineComment()) cursor_.SkipRestOfLine();
        if (!cursor_.AtLineEnd()) return cursor_.FailUnknownToken();
        cursor_.SkipLineEnd();
        return true;
    }

    bool ReadPragma() {
        cursor_.Advance(7);
        if (!IsBlankOrLineEnd(0)) return cursor_.Fail({MessageId::PatchPragmaWithoutSwitch, {}});
        if (!cursor_.SkipBlanks()) return false;
        const std::string_view action = cursor_.TakeWhile(IsNameByte);
        if (action != "enable" && action != "disable") {
            return cursor_.Fail({MessageId::PatchPragmaWithoutSwitch, {}});
        }
        if (!cursor_.SkipBlanks()) return false;
        const size_t begin = cursor_.position();
        const std::string_view name = cursor_.TakeWhile(IsNameByte);
        for (size_t i = 0; i < kPragmaNames.size(); ++i) {
            if (name == kPragmaNames[i].name) {
                pragmas_.*kPragmaNames[i].flag = action == "enable";
                pragma_lines_[i] = cursor_.line();
                return EndOfStatement();
            }
        }
        if (name.empty()) return cursor_.Fail({MessageId::PatchPragmaWithoutSwitch, {}});
        return cursor_.Fail({MessageId::PatchUnknownPragma, {cursor_.TextSince(begin)}});
    }

    // Hex digits with an optional 0x, as an address or a corrector has them; false when there
    // are none or anything but hex digits is joined to them.
    bool ReadHexValue(int64_t* value, size_t* digits) {
        if (cursor_.Peek() == '0' && (cursor_.Peek(1) == 'x' || cursor_.Peek(1) == 'X') &&
            HexDigitValue(cursor_.Peek(2)) >= 0) {
            cursor_.Advance(2);
        }
        size_t length = 0;
        while (IsNameByte(cursor_.Peek(length))) ++length;
        *value = 0;
        *digits = 0;
        for (size_t i = 0; i < length; ++i) {
            const int d = HexDigitValue(cursor_.Peek(i));
            if (d < 0) return false;
            // Past 32 bits the exact value no longer matters, only that it is too large.
            if (*value < kAddressLimit) *value = *value << 4 | d;
        }
        *digits = length;
        cursor_.Advance(length);
        return length > 0;
    }

    bool ReadCorrector() {
        const size_t begin = cursor_.position();
        const int sign = cursor_.Peek() == '-' ? -1 : 1;
        cursor_.Advance();
        int64_t value = 0;
        size_t digits = 0;
        if (!ReadHexValue(&value, &digits)) return UnknownFrom(begin);
        if (value >= kAddressLimit) {
            return cursor_.Fail({MessageId::PatchCorrectorPast32Bits, {cursor_.TextSince(begin)}});
        }
        corrector_ = sign * value;
        if (corrector_ != 0) corrector_line_ = cursor_.line();
        return EndOfStatement();
    }

    bool UnknownFrom(size_t begin) {
        while (!cursor_.AtLineEnd() && !cursor_.AtBlank()) cursor_.Advance();
        return cursor_.Fail({MessageId::PatchUnknownToken, {cursor_.TextSince(begin)}});
    }

    bool ReadDataLine() {
        const int line = cursor_.line();
        const size_t begin = cursor_.position();
        int64_t address = 0;
        size_t digits = 0;
        if (!ReadHexValue(&address, &digits)) return UnknownFrom(begin);
        if (cursor_.Peek() != ':') {
            return cursor_.Fail({MessageId::PatchColonAfterAddress, {cursor_.TextSince(begin)}});
        }
        if (address >= kAddressLimit) {
            return cursor_.Fail({MessageId::PatchAddressPast32Bits, {cursor_.TextSince(begin)}});
        }
        cursor_.Advance();
        const int64_t corrected = address + corrector_;
        if (corrected < 0 || corrected >= kAddressLimit) {
            return cursor_.Fail({MessageId::PatchCorrectedAddressOutside32Bits,
                                 {PatchAddress(address), SignedAddress(corrector_)}});
        }

        size_t groups = 0;
        for (;;) {
            if (!cursor_.SkipBlanks(/*in_data=*/true)) return false;
            // After a "\" the next line is data: a pragma there would pass for a comment.
            if (cursor_.LooksAt("#pragma")) return cursor_.Fail({MessageId::PatchPragmaInData, {}});
            if (cursor_.AtLineEnd() || cursor_.AtLineComment()) break;
            if (groups == groups_.size()) {
                return cursor_.Fail({MessageId::PatchThirdDataGroup, {cursor_.TokenHere()}});
            }
            groups_[groups].clear();
            if (!ReadDataGroup(cursor_, encoding_, &groups_[groups++])) return false;
        }
        if (!AddDataLine(line, static_cast<uint32_t>(corrected), groups)) return false;
        return EndOfStatement();
    }

    // The line of the first `groups` groups read.
    bool AddDataLine(int line, uint32_t address, size_t groups) {
        if (groups == 0) return cursor_.FailAt(line, {MessageId::PatchNoDataAfterAddress, {}});
        for (size_t i = 0; i < groups; ++i) {
            if (groups_[i].empty())
                return cursor_.FailAt(line, {MessageId::PatchEmptyDataGroup, {}});
        }
        DataLine data;
        data.address = address;
        data.line = line;
        data.pragmas = pragmas_;
        data.new_bytes = groups_[groups - 1];
        if (groups == 2) {
            data.old_bytes = groups_[0];
            if (data.old_bytes->size() < data.new_bytes.size()) {
                return cursor_.FailAt(line, {MessageId::PatchOldShorterThanNew,
                                             {std::to_string(data.old_bytes->size()),
                                              std::to_string(data.new_bytes.size())}});
            }
        }
        if (data.End() > kAddressLimit) {
            return cursor_.FailAt(line, {MessageId::PatchDataPast32Bits, {PatchAddress(address)}});
        }
        if (!data.HasOldData() && pragmas_.warn_no_old_on_apply) {
            if (lines_without_old_data_++ < Patch::kWarningsOfAKind) {
                patch_->warnings.push_back({line, {MessageId::PatchWarningNoOldData, {}}});
            } else {
                ++patch_->more_lines_without_old_data;
            }
        }
        patch_->lines.push_back(std::move(data));
        return true;
    }

    // A well-formed patch ends every corrector with +0 and puts back every pragma it changed.
    void WarnAboutStateLeftOn() {
        if (corrector_ != 0) {
            patch_->warnings.push_back(
                {corrector_line_,
                 {MessageId::PatchWarningCorrectorLeft, {SignedAddress(corrector_)}}});
        }
        const PatchPragmas defaults;
        for (size_t i = 0; i < kPragmaNames.size(); ++i) {
            const bool now = pragmas_.*kPragmaNames[i].flag;
            if (now == defaults.*kPragmaNames[i].flag) continue;
            const MessageId left = now ? MessageId::PatchWarningPragmaEnabledLeft
                                       : MessageId::PatchWarningPragmaDisabledLeft;
            patch_->warnings.push_back(
                {pragma_lines_[i], {left, {std::string(kPragmaNames[i].name)}}});
        }
    }

    PatchCursor cursor_;
    PatchEncoding encoding_ = PatchEncoding::Windows1251;
    Patch* patch_;
    const ReadProgress& progress_;
    size_t size_;
    PatchPragmas pragmas_;
    std::array<int, kPragmaNames.size()> pragma_lines_{};
    int64_t corrector_ = 0;
    int corrector_line_ = 0;
    int64_t lines_without_old_data_ = 0;
    // The old and the new data of the line being read, kept to spare an allocation a line.
    std::array<std::vector<uint8_t>, 2> groups_;
};

}  // namespace

Status ReadPatchText(std::string_view text, const std::string& name, Patch* patch,
                     const ReadProgress& progress) {
    Patch read;
    read.name = name;
    PatchReader reader(text, &read, progress);
    if (!reader.ReadAll()) {
        const PatchFault& fault = *reader.cursor().fault();
        return PatchFailure(name, fault.line, fault.reason);
    }
    if (read.lines.empty()) return PatchFailure(name, 0, {MessageId::PatchNoDataLine, {}});
    *patch = std::move(read);
    return Status::Ok();
}

bool IsCancelledRead(const Status& status) {
    return !status.ok() && status.message().id == MessageId::PatchReadCancelled;
}

Status ReadPatchFile(const std::string& path, Patch* patch, FileSystem& fs,
                     const ReadProgress& progress) {
    File file(fs, path);
    Status status = file.OpenForReading();
    int64_t size = 0;
    if (status.ok()) status = file.Size(&size);
    if (!status.ok()) return status;
    if (size > kLargestPatchFile) {
        return Status::Failure(path, Message{MessageId::PatchFileTooLarge, {std::to_string(size)}});
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    status = file.ReadAt(0, bytes);
    if (!status.ok()) return status;
    // Every byte is read; a close that complains takes nothing back.
    IgnoreFailure(file.Close());
    return ReadPatchText(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), path, patch,
        progress);
}

}  // namespace rw
