// The session's file commands: loads into a copy of the font, saves, and what they check and
// tell around them.
#include "edition/status_messages.h"
#include "editor/session.h"
#include "io/flash_codec.h"
#include "io/font_files.h"
#include "io/glyph_count.h"
#include "io/identify_messages.h"
#include "io/layout_identify.h"
#include "io/read_only_guard.h"
#include "io/sft_conversion.h"
#include "io/unchanged_glyphs.h"

namespace rw {

Status Session::Load(const LoadRequest& request, FileSystem& fs) {
    const std::string& path = request.path;
    const Edition edition = state_.edition;
    const BlockSet blocks = ScopeBlocks(state_.load_scope, edition);
    FontImage scratch = font();
    Status status = Status::Ok();
    FileKind kind = FileKind::SftConversion;
    StepName name = UiText::MenuLoadThinSft;
    int glyphs = GlyphsInBlocks(edition, blocks);
    switch (request.source) {
        case LoadRequest::Fullflash: {
            const FontLayout layout = state_.layout();
            status = ReadFlashFont(path, edition, layout, blocks, scratch, fs);
            kind = FileKind::Fullflash;
            name = UiText::MenuLoadFlash;
            glyphs = static_cast<int>(RecordsToRead(edition, layout, blocks).size());
            break;
        }
        case LoadRequest::FontFile:
            status =
                ReadFontFile(path, FontFileFormatFor(edition, state_.wide()), blocks, scratch, fs);
            kind = FileKind::FontFile;
            name = UiText::MenuLoadFontFile;
            break;
        case LoadRequest::ThinSft:
            status = LoadThinSftAsSbf(path, blocks, scratch, fs);
            break;
        case LoadRequest::BoldSft:
            status = LoadBoldSftAsSbf(path, blocks, scratch, fs);
            name = UiText::MenuLoadBoldSft;
            break;
    }
    if (status.ok()) LoadedFile(kind, path, scratch, name, glyphs);
    return status;
}

Status Session::Save(const SaveRequest& request, FileSystem& fs) {
    const std::string& path = request.path;
    const Edition edition = state_.edition;
    if (request.target == SaveRequest::Fullflash) {
        const FontLayout layout = state_.layout();
        Status status = WriteFlashFont(path, edition, layout, font(), fs);
        if (status.ok()) {
            SavedFile(FileKind::Fullflash, path,
                      static_cast<int>(RecordsToWrite(edition, layout).size()));
        }
        return status;
    }
    Status status = WriteFontFile(path, FontFileFormatFor(edition, state_.wide()), font(), fs);
    if (status.ok()) {
        SavedFile(FileKind::FontFile, path, GlyphsInBlocks(edition, BlockSet::FirstN(8)));
    }
    return status;
}

Session::Step Session::LoadStep(const FontImage& font, StepName name) const {
    // The step also keeps edits in the grid, which the reload throws away.
    const bool changes = font != document_.font() || HasUnwrittenEdits();
    Step step = changes ? Step::FontChange(name) : Step::Reload();
    step.clears_edit_image = true;
    return step;
}

void Session::LoadFont(const FontImage& font, StepName name) {
    Apply(LoadStep(font, name), [&] { document_.Replace(font); });
}

void Session::LoadedFile(FileKind kind, const std::string& path, const FontImage& font,
                         StepName name, int glyphs) {
    // An .sbf or .sfe load of part of the font merges it into the rest, which keeps what was
    // unsaved there; every other load replaces the whole table of the live form.
    const bool merges = kind == FileKind::FontFile && state_.load_scope != LoadScope::WholeFont &&
                        FontFileFormatFor(state_.edition, state_.wide()) != FontFileFormat::Sft;
    const bool keeps_unsaved = merges && HasUnsavedChanges();
    Apply(LoadStep(font, name), [&] {
        document_.Replace(font);
        if (kind == FileKind::Fullflash) {
            base_ = std::make_shared<const FontImage>(font);
            last_fullflash_ = path;
        }
        if (!keeps_unsaved) history_.MarkSaved();
        state_.file_name = path;
        Notify(LoadedStatus(BaseNameOf(path), glyphs));
    });
}

void Session::SavedFile(FileKind kind, const std::string& path, int glyphs) {
    Apply(Step::None(), [&] {
        if (kind == FileKind::Fullflash) {
            base_ = std::make_shared<const FontImage>(document_.font());
            last_fullflash_ = path;
        }
        history_.MarkSaved();
        state_.file_name = path;
        Notify(SavedStatus(BaseNameOf(path), glyphs));
    });
}

void Session::ImportedSheet(const FontImage& font, const std::string& path) {
    const int glyphs =
        GlyphsInBlocks(state_.edition, ScopeBlocks(state_.load_scope, state_.edition));
    Apply(LoadStep(font, UiText::MenuImportPng), [&] {
        document_.Replace(font);
        Notify(LoadedStatus(BaseNameOf(path), glyphs));
    });
}

void Session::ExportedSheet(const std::string& path) {
    const int glyphs = GlyphsInBlocks(state_.edition, BlockSet::FirstN(BlockCount(state_.edition)));
    Apply(Step::None(), [&] { Notify(SavedStatus(BaseNameOf(path), glyphs)); });
}

void Session::SetFileName(std::string path) {
    Apply(Step::None(), [&] { state_.file_name = std::move(path); });
}

FlashSaveCheck Session::CheckFlashSave(const std::string& path, FileSystem& fs) const {
    if (!RefuseReadOnlyImage(fs, path).ok()) return {};
    FlashSaveCheck check;
    const LayoutId chosen{state_.model, state_.kind};
    const FontPlaceCheck place = CheckFontPlace(path, state_.edition, chosen, fs);
    check.rollback_note = place.note;
    if (place.WritesOverForeignData()) check.question = ForeignDataFacts(place.scores, chosen);
    int replaced = 0;
    const Status counted = CountReplacedUnchangedGlyphs(path, state_.edition, state_.layout(),
                                                        document_.font(), *base_, &replaced, fs);
    if (check.rollback_note.empty()) check.rollback_note = counted.note();
    if (counted.ok() && replaced > 0) {
        check.question.push_back(
            {MessageId::SaveReplacesUnchanged, {BaseNameOf(path), std::to_string(replaced)}});
    } else if (!check.question.empty()) {
        check.question.push_back({MessageId::SaveAnyway, {}});
    }
    return check;
}

std::vector<Message> Session::FlashLoadWarning(FileSystem& fs) const {
    const LayoutId chosen{state_.model, state_.kind};
    const FontPlaceCheck place = CheckFontPlace(state_.file_name, state_.edition, chosen, fs);
    // Unlike a save, the warning also comes when part of the layout lies past the image's end:
    // a load of part of the font may have read only what lies inside.
    if (place.holds_font) return {};
    return ForeignDataWarning(place.scores, chosen);
}

}  // namespace rw
