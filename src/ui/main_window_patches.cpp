// The "Сервис" menu's V_Klay patches: the dialogs here, the rest in the session.
#include <QString>

#include "edition/message.h"
#include "patch/patch_reader.h"
#include "ui/main_window.h"
#include "ui/qt_conversions.h"

namespace rw::ui {

std::optional<std::string> TForm1::FullflashForPatch() {
    if (!editor_.last_fullflash().empty()) return editor_.last_fullflash();
    const std::optional<QString> path = AskOpen(FileRole::Fullflash, FlashLoadRequest());
    if (!path) return std::nullopt;
    return path->toStdString();
}

// Menu "Сервис" → "Экспорт патча (.vkp)...": what "Сохранить шрифт в fullflash" would write
// into the fullflash, as a patch; the fullflash is only read.
void TForm1::ExportPatch1Click() {
    const std::optional<std::string> flash = FullflashForPatch();
    if (!flash) return;
    FontPatch patch;
    const Status exported = editor_.PatchAgainst(*flash, &patch);
    if (!exported.ok()) {
        ShowFailure(exported);
        return;
    }
    ShowNote(exported.note());
    const QString title = Text(UiText::SavePatchTitle);
    if (patch.lines == 0) {
        dialogs_->ShowNotice(
            title, Q(Render(Message{MessageId::PatchNotNeeded, {}}, editor_.state().language)));
        return;
    }
    // A patch of font records over firmware code bricks the phone as surely as a save does.
    if (!ConfirmFlashSave(*flash)) return;
    const FileDialogRequest request{title, Text(UiText::PatchFilter), QStringLiteral("vkp"),
                                    QString::fromStdString(PatchNameFor(*flash)),
                                    QStringLiteral(".vkp")};
    const std::optional<QString> path = AskSave(FileRole::Patch, request);
    if (!path) return;
    const Status written = editor_.SavePatch(path->toStdString(), patch);
    Refresh();
    if (!written.ok()) {
        ShowFailure(written);
        return;
    }
    NoteRecentFile(path->toStdString());
}

// Menu "Сервис" → "Импорт из патча (.vkp)...": the patch goes into a copy of the fullflash in
// memory, and the font is loaded from it at the current layout and load scope; the fullflash
// stays as it is.
void TForm1::ImportPatch1Click() {
    const std::optional<QString> chosen = AskOpen(
        FileRole::Patch, {Text(UiText::LoadPatchTitle), Text(UiText::PatchFilter), std::nullopt});
    if (chosen) ImportPatchFrom(chosen->toStdString());
}

// The patch into the fullflash last loaded or saved; the fullflash dialog asks for one when
// there is none.
void TForm1::ImportPatchFrom(const std::string& file) {
    const QString title = Text(UiText::LoadPatchTitle);
    Patch patch;
    const Status read = ReadPatchFile(file, &patch);
    if (!read.ok()) {
        ShowFailure(read);
        return;
    }
    const std::optional<std::string> flash = FullflashForPatch();
    if (!flash) return;
    std::vector<Message> told;
    const Status imported = editor_.ImportPatch(patch, *flash, &told);
    Refresh();
    if (!imported.ok()) {
        ShowFailure(imported);
        return;
    }
    ShowNote(imported.note());
    NoteRecentFile(file);
    dialogs_->ShowNotice(title, Q(Render(told, editor_.state().language)));
}

}  // namespace rw::ui
