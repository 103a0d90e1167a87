#include "editor/flash_save_guard.h"

#include "io/identify_messages.h"
#include "io/layout_identify.h"
#include "io/read_only_guard.h"
#include "io/status.h"
#include "io/unchanged_glyphs.h"

namespace rw {
namespace {

// The count of the glyphs the user left alone that a save replaces, and of those it blanks.
Message ReplacesUnchangedQuestion(const std::string& name, const ReplacedGlyphs& replaced) {
    if (replaced.empty == 0) {
        return {MessageId::SaveReplacesUnchanged, {name, std::to_string(replaced.count)}};
    }
    return {MessageId::SaveReplacesUnchangedSomeEmpty,
            {name, std::to_string(replaced.count), std::to_string(replaced.empty)}};
}

}  // namespace

void FlashSaveGuard::Rebase(const FontImage& font, const std::string& path) {
    base_ = std::make_shared<const FontImage>(font);
    last_fullflash_ = path;
}

FlashSaveCheck FlashSaveGuard::Check(const std::string& path, const FontPlace& place,
                                     const FontImage& font, FileSystem& fs) const {
    if (!RefuseReadOnlyImage(fs, path).ok()) return {};
    FlashSaveCheck check;
    const FontPlaceCheck found = CheckFontPlace(path, place.edition, place.id, fs);
    check.rollback_note = found.note;
    if (found.WritesOverForeignData()) check.question = ForeignDataFacts(found.scores, place.id);
    ReplacedGlyphs replaced;
    const Status counted = CountReplacedUnchangedGlyphs(path, place.edition, place.layout, font,
                                                        *base_, &replaced, fs);
    if (check.rollback_note.empty()) check.rollback_note = counted.note();
    if (counted.ok() && replaced.count > 0) {
        check.question.push_back(ReplacesUnchangedQuestion(BaseNameOf(path), replaced));
    } else if (!check.question.empty()) {
        check.question.push_back({MessageId::SaveAnyway, {}});
    }
    return check;
}

std::vector<Message> FlashSaveGuard::LoadWarning(const std::string& path, const FontPlace& place,
                                                 FileSystem& fs) {
    const FontPlaceCheck found = CheckFontPlace(path, place.edition, place.id, fs);
    // Unlike a save, the warning also comes when part of the layout lies past the image's end:
    // a load of part of the font may have read only what lies inside.
    if (found.holds_font) return {};
    return ForeignDataWarning(found.scores, place.id);
}

}  // namespace rw
