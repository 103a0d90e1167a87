#include "io/file_classification.h"

#include <string_view>
#include <utility>
#include <vector>

#include "edition/texts.h"

namespace rw {
namespace {

constexpr FontFileFormat kFormats[] = {FontFileFormat::Sft, FontFileFormat::Sbf,
                                       FontFileFormat::Sfe};

// "*.sft, *.sbf" or "*.sfe": the font files an edition reads.
std::string FormatsOf(Edition edition) {
    std::string list;
    for (FontFileFormat format : kFormats) {
        if (FontFileEdition(format) != edition) continue;
        if (!list.empty()) list += ", ";
        list += std::string("*") + FontFileExtension(format);
    }
    return list;
}

std::string LayoutName(Edition edition, LayoutId id) {
    return std::string(ModelItemCaption(id.model, edition)) + " " + KindItemCaption(id.kind);
}

Status Neither(const std::string& path, Edition edition, int64_t size) {
    return Status::Failure(path, Message{MessageId::NeitherFullflashNorFontFile,
                                         {FormatsOf(edition), std::to_string(size)}});
}

// The format of a file no larger than a font file: its extension's, else its exact size's.
std::optional<FontFileFormat> FontFileFormatOf(const std::string& path, int64_t size) {
    if (const auto named = FontFileFormatOfName(path)) return named;
    for (FontFileFormat format : kFormats) {
        if (static_cast<int64_t>(FontFileSize(format)) == size) return format;
    }
    return std::nullopt;
}

// A font file of this edition must also have the chosen font's form: an .sbf read as narrow
// glyphs (or an .sft as wide ones) would scramble every letter.
Status CheckFontFile(const std::string& path, FontFileFormat format, Edition edition,
                     LayoutId current) {
    const std::string extension = FontFileExtension(format);
    if (FontFileEdition(format) != edition) {
        const char* program =
            FontFileEdition(format) == Edition::Latin ? "runewright-eng" : "runewright-rus";
        return Status::Failure(path,
                               Message{MessageId::FontFileOfOtherEdition, {extension, program}});
    }
    const bool wide = LookupLayout(edition, current.model, current.kind).wide;
    const FontFileFormat chosen = FontFileFormatFor(edition, wide);
    if (format == chosen) return Status::Ok();
    return Status::Failure(
        path, Message{MessageId::FontFileOfOtherForm,
                      {extension, LayoutName(edition, current), FontFileExtension(chosen),
                       FontsOfForm(edition, FontFileIsWide(format))}});
}

// True when the name of `path` ends in `extension` (".png"), in any case.
bool HasExtension(const std::string& path, std::string_view extension) {
    const std::string name = BaseNameOf(path);
    if (name.size() <= extension.size()) return false;
    const std::string_view tail = std::string_view(name).substr(name.size() - extension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const char c = tail[i];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != extension[i]) return false;
    }
    return true;
}

// A dump of unusual size still counts when some layout finds a font in it.
Status ClassifyByScore(const std::string& path, Edition edition, int64_t size, FileSystem& fs) {
    std::vector<LayoutScore> scores;
    Status status = IdentifyLayouts(path, edition, &scores, fs);
    if (!status.ok()) return status;
    if (scores.empty() || !scores.front().LooksLikeFont())
        return Neither(path, edition, size).WithNote(status.note());
    return status;
}

}  // namespace

Status ClassifyFile(const std::string& path, Edition edition, LayoutId current,
                    FileClassification* result, FileSystem& fs) {
    FileInfo info;
    if (const int error = fs.StatPath(path, &info); error < 0)
        return Status::Failure(path, ErrorText(-error));
    if (info.folder()) return FolderFailure(path);
    if (!info.regular()) return Status::Failure(path, kNotRegularFile);

    // The sheet and the patch are read by their own commands, which check them as they read.
    if (HasExtension(path, ".png")) {
        *result = {FileLoad::PngSheet, FontFileFormat::Sft};
        return Status::Ok();
    }
    if (HasExtension(path, ".vkp")) {
        *result = {FileLoad::Patch, FontFileFormat::Sft};
        return Status::Ok();
    }

    if (info.size > kLargestFontFile) {
        if (info.size % kFlashSizeUnit == 0) {
            *result = {FileLoad::Fullflash, FontFileFormat::Sft};
            return Status::Ok();
        }
        Status status = ClassifyByScore(path, edition, info.size, fs);
        if (status.ok()) *result = {FileLoad::Fullflash, FontFileFormat::Sft};
        return status;
    }
    const std::optional<FontFileFormat> format = FontFileFormatOf(path, info.size);
    if (!format) return Neither(path, edition, info.size);
    Status status = CheckFontFile(path, *format, edition, current);
    if (status.ok()) *result = {FileLoad::FontFile, *format};
    return status;
}

std::string FontsOfForm(Edition edition, bool wide) {
    // Models with the same list of kinds, in the order each list first appears.
    std::vector<std::pair<std::string, std::string>> groups;  // kinds, models
    for (PhoneModel model : kAllPhoneModels) {
        std::string kinds;
        for (FontKind kind : kAllFontKinds) {
            if (LookupLayout(edition, model, kind).wide != wide) continue;
            if (!kinds.empty()) kinds += ", ";
            kinds += KindItemCaption(kind);
        }
        if (kinds.empty()) continue;
        const std::string model_name = ModelItemCaption(model, edition);
        auto group = groups.begin();
        while (group != groups.end() && group->first != kinds) ++group;
        if (group == groups.end()) {
            groups.emplace_back(kinds, model_name);
        } else {
            group->second += ", " + model_name;
        }
    }
    std::string text;
    for (const auto& [kinds, models] : groups) {
        if (!text.empty()) text += "; ";
        text.append(models).append(": ").append(kinds);
    }
    return text;
}

}  // namespace rw
