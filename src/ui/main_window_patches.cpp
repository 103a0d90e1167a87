// The "Сервис" menu's V_Klay patches: the font exported as a patch against a fullflash, and a
// font imported from a patch applied to a copy of one in memory.
#include <QString>

#include "edition/message.h"
#include "edition/texts.h"
#include "io/load_scope.h"
#include "patch/font_from_patch.h"
#include "patch/patch_reader.h"
#include "patch/patch_writer.h"
#include "ui/main_window.h"
#include "ui/qt_conversions.h"

namespace rw::ui {
namespace {

FontPlace PlaceOf(const Session& editor) {
    const EditorState& state = editor.state();
    return {editor.edition(), {state.model, state.kind}, state.layout};
}

}  // namespace

std::optional<std::string> TForm1::FullflashForPatch() {
    if (!editor_.last_fullflash().empty()) return editor_.last_fullflash();
    const std::optional<QString> path = dialogs_->Open(FlashLoadRequest());
    if (!path) return std::nullopt;
    return path->toStdString();
}

// "Экспорт патча (.vkp)...": what "Сохранить шрифт в fullflash" would write into the fullflash,
// as a patch; the fullflash is only read.
void TForm1::ExportPatch1Click() {
    const std::optional<std::string> flash = FullflashForPatch();
    if (!flash) return;
    FontPatch patch;
    const Status exported = ExportFontPatch(*flash, PlaceOf(editor_), editor_.font(), &patch);
    if (!exported.ok()) {
        ShowFailure(exported);
        return;
    }
    ShowNote(exported.note());
    const QString title = DialogTitle(static_cast<int>(UiText::SavePatchTitle));
    if (patch.lines == 0) {
        dialogs_->ShowNotice(
            title, Q(Render(Message{MessageId::PatchNotNeeded, {}}, editor_.state().language)));
        return;
    }
    // A patch of font records over firmware code bricks the phone as surely as a save does.
    if (!ConfirmFlashSave(*flash)) return;
    const FileDialogRequest request{
        title, Q(Text(UiText::PatchFilter, editor_.state().language)), QStringLiteral("vkp"),
        QString::fromStdString(PatchNameFor(*flash)), QStringLiteral(".vkp")};
    const std::optional<QString> path = dialogs_->Save(request);
    if (!path) return;
    const Status written = WritePatchFile(path->toStdString(), patch);
    if (!written.ok()) {
        ShowFailure(written);
        return;
    }
    Run([&](Session& s) {
        s.SavedPatch(path->toStdString(), static_cast<int>(patch.glyphs.size()));
    });
}

// "Импорт из патча (.vkp)...": the patch goes into a copy of the fullflash in memory, and the
// font is loaded from it at the current layout and load scope; the fullflash stays as it is.
void TForm1::ImportPatch1Click() {
    const int language = editor_.state().language;
    const QString title = DialogTitle(static_cast<int>(UiText::LoadPatchTitle));
    const std::optional<QString> chosen =
        dialogs_->Open({title, Q(Text(UiText::PatchFilter, language)), std::nullopt});
    if (!chosen) return;
    Patch patch;
    Status status = ReadPatchFile(chosen->toStdString(), &patch);
    if (!status.ok()) {
        ShowFailure(status);
        return;
    }
    const std::optional<std::string> flash = FullflashForPatch();
    if (!flash) return;
    const FontPlace place = PlaceOf(editor_);
    PatchedFont imported;
    status = ReadFontThroughPatch(*flash, patch, place,
                                  ScopeBlocks(editor_.state().load_scope, editor_.edition()),
                                  editor_.font(), &imported);
    if (!status.ok()) {
        ShowFailure(status);
        return;
    }
    Run([&](Session& s) { s.ImportedFromPatch(imported, *flash); });
    ShowNote(status.note());
    dialogs_->ShowNotice(title,
                         Q(Render(DescribePatchImport(imported.effect, place.id), language)));
}

}  // namespace rw::ui
