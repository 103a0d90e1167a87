// The main window's handlers: each runs one session operation (Run) or, for a file command,
// asks its dialog and hands the chosen file to the session.
#include <QCloseEvent>
#include <QString>

#include "edition/message.h"
#include "io/file_classification.h"
#include "io/font_files.h"
#include "ui/button_tables.h"
#include "ui/image_io.h"
#include "ui/info_windows.h"
#include "ui/keys_window.h"
#include "ui/main_window.h"
#include "ui/qt_conversions.h"

namespace rw::ui {
namespace {

// A failure after an interrupted save was rolled back tells both in the one box.
std::string MessageWithNote(const Status& status, Language language) {
    const std::string line = status.Line(language);
    return status.note().empty() ? line : Render(status.note(), language) + "\n" + line;
}

}  // namespace

void TForm1::Run(const std::function<void(Session&)>& operation) {
    operation(editor_);
    Refresh();
}

// ---------------------------------------------------------------------------------------------
// File commands. The session reads into a copy of the font and changes nothing when the command
// fails; the window shows the standard text with the file's path.

namespace {

FileRole RoleOf(LoadRequest::Source source) {
    return source == LoadRequest::Fullflash ? FileRole::Fullflash : FileRole::FontFile;
}

}  // namespace

bool TForm1::LoadCommand(const FileDialogRequest& request, LoadRequest::Source source) {
    const std::optional<QString> path = AskOpen(RoleOf(source), request);
    if (!path) return false;
    return LoadPath(path->toStdString(), source);
}

bool TForm1::LoadPath(const std::string& path, LoadRequest::Source source) {
    const Status status = editor_.Load({source, path});
    Refresh();
    ShowOutcome(status);
    if (status.ok()) NoteRecentFile(path);
    return status.ok();
}

void TForm1::SaveCommand(const FileDialogRequest& request, SaveRequest::Target target) {
    const FileRole role =
        target == SaveRequest::Fullflash ? FileRole::Fullflash : FileRole::FontFile;
    const std::optional<QString> path = AskSave(role, request);
    if (!path) return;
    const std::string file = path->toStdString();
    if (target == SaveRequest::Fullflash && !ConfirmFlashSave(file)) return;
    const Status status = editor_.Save({target, file});
    Refresh();
    ShowOutcome(status);
    if (status.ok()) NoteRecentFile(file);
}

void TForm1::ShowOutcome(const Status& status) {
    if (!status.ok()) {
        ShowFailure(status);
        return;
    }
    ShowNote(status.note());
}

// The error box of a failed command, in the interface language.
void TForm1::ShowFailure(const Status& status) {
    dialogs_->ShowError(Q(MessageWithNote(status, editor_.state().language)));
}

void TForm1::ShowNote(const Message& note) {
    if (note.empty()) return;
    dialogs_->ShowNotice(QStringLiteral("Runewright"), Q(Render(note, editor_.state().language)));
}

// A question the session put, with the answer that goes on and "Отмена", which is the default.
bool TForm1::Ask(const std::vector<Message>& question, MessageId go_on) {
    const Language language = editor_.state().language;
    return dialogs_->Ask(Q(Render(question, language)), Q(Render(Message{go_on, {}}, language)),
                         Q(Render(Message{MessageId::AnswerCancel, {}}, language)));
}

QString TForm1::Text(UiText id) const {
    return Q(rw::Text(id, editor_.state().language, editor_.edition()));
}

QString TForm1::FontFileFilter() const {
    switch (FontFileFormatFor(editor_.edition(), editor_.state().wide())) {
        case FontFileFormat::Sft:
            return Text(UiText::SftFilter);
        case FontFileFormat::Sbf:
            return Text(UiText::SbfFilter);
        case FontFileFormat::Sfe:
            break;
    }
    return Text(UiText::SfeFilter);
}

// The open dialog of "Загрузить шрифт из fullflash", which patches ask for a fullflash too.
FileDialogRequest TForm1::FlashLoadRequest() const {
    return {Text(UiText::LoadFlashTitle), Text(UiText::FullflashFilter), std::nullopt};
}

// Menu "Файл" → "Загрузить шрифт из fullflash".
void TForm1::N2Click() {
    if (LoadCommand(FlashLoadRequest(), LoadRequest::Fullflash)) WarnIfNotAFont();
}

// Menu "Файл" → "Сохранить шрифт в fullflash". It sets no default extension: the one a
// font-file save set stays in force. It offers the fullflash last loaded or saved, and asks
// before replacing glyphs the user did not change or writing where the chosen phone keeps no
// font.
void TForm1::N23Click() {
    const FileDialogRequest request{Text(UiText::SaveFlashTitle), Text(UiText::FullflashFilter),
                                    std::nullopt, QString::fromStdString(editor_.last_fullflash())};
    SaveCommand(request, SaveRequest::Fullflash);
}

// Menu "Файл" → "Загрузить шрифт из файла".
void TForm1::N41Click() {
    const FontFileFormat format = FontFileFormatFor(editor_.edition(), editor_.state().wide());
    FileDialogRequest request{Text(UiText::LoadFontFileTitle), FontFileFilter(), std::nullopt};
    request.name_extension = QString::fromLatin1(FontFileExtension(format));
    LoadCommand(request, LoadRequest::FontFile);
}

// The file is judged before anything of it is read into the font: what it is decides which
// command takes it, and a font file in the other form than the chosen font's is refused. The
// dialog of its kind offers it next, as if it had been chosen there.
void TForm1::OpenGivenFile(const std::string& path) {
    dialogs_->RememberOpened(QString::fromStdString(path));
    const EditorState& state = editor_.state();
    FileClassification given;
    const Status status = ClassifyFile(path, editor_.edition(), {state.model, state.kind}, &given);
    if (!status.ok()) {
        ShowFailure(status);
        return;
    }
    ShowNote(status.note());
    switch (given.load) {
        case FileLoad::Fullflash:
            RememberFile(FileRole::Fullflash, path);
            if (LoadPath(path, LoadRequest::Fullflash)) WarnIfNotAFont();
            break;
        case FileLoad::FontFile:
            RememberFile(FileRole::FontFile, path);
            LoadPath(path, LoadRequest::FontFile);
            break;
        case FileLoad::PngSheet:
            RememberFile(FileRole::Png, path);
            ImportPngFrom(path);
            break;
        case FileLoad::Patch:
            RememberFile(FileRole::Patch, path);
            ImportPatchFrom(path);
            break;
    }
}

// Menu "Файл" → "Сохранить шрифт в файл". A name typed without extension gets the one of the
// format that is written, so a wide Cyrillic font becomes an .sbf file.
void TForm1::N39Click() {
    const FontFileFormat format = FontFileFormatFor(editor_.edition(), editor_.state().wide());
    // Offer the current file under the format's extension, never a fullflash's own name.
    const QString suggested =
        QString::fromStdString(FontFileNameFor(editor_.state().file_name, format));
    const QString extension = QString::fromLatin1(FontFileExtension(format));
    const FileDialogRequest request{Text(UiText::SaveFontFileTitle), FontFileFilter(), extension,
                                    suggested, extension};
    SaveCommand(request, SaveRequest::FontFile);
}

// Menu "Файл" → "SFT -> SBF" → "Загрузить тонкий": an .sft file into the wide table.
void TForm1::SFTSBF1Click() {
    LoadCommand({Text(UiText::LoadThinSftTitle), Text(UiText::SftFilter), std::nullopt, QString(),
                 QStringLiteral(".sft")},
                LoadRequest::ThinSft);
}

// Menu "Файл" → "SFT -> SBF" → "Загрузить жирный": the bold weight as the normal one.
void TForm1::N30Click() {
    LoadCommand({Text(UiText::LoadBoldSftTitle), Text(UiText::SftFilter), std::nullopt, QString(),
                 QStringLiteral(".sft")},
                LoadRequest::BoldSft);
}

// Menu "Файл" → "Выход" (Ctrl+Q); it and the close box come to closeEvent.
void TForm1::N5Click() {
    close();
}

// With unsaved changes the user is asked first; "Отмена" keeps the window and everything in it.
void TForm1::closeEvent(QCloseEvent* event) {
    if (editor_.HasUnsavedChanges() &&
        !Ask({{MessageId::QuitUnsaved, {}}}, MessageId::AnswerQuit)) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

// ---------------------------------------------------------------------------------------------
// Font menu, phone menu, language, information windows

// Menu "Шрифт" → "Очистить букву".
void TForm1::N16Click() {
    Run([](Session& s) { s.ClearLetter(); });
}

// Menu "Шрифт" → "Очистить блок".
void TForm1::N17Click() {
    Run([](Session& s) { s.ClearBlock(); });
}

// Menu "Шрифт" → "Очистить шрифт".
void TForm1::N18Click() {
    Run([](Session& s) { s.ClearFont(); });
}

// Menu "Шрифт" → "Параметры загрузки ..." → any item; the tag tells them apart.
void TForm1::N19Click(int tag) {
    Run([tag](Session& s) { s.ChooseLoadScope(tag); });
}

// Menu "Телефон" → "C/M 35".
void TForm1::CMS351Click() {
    Run([](Session& s) { s.ChooseModel(PhoneModel::CM35); });
}
// Menu "Телефон" → "S 35".
void TForm1::S351Click() {
    Run([](Session& s) { s.ChooseModel(PhoneModel::S35); });
}
// Menu "Телефон" → "S/ME 45".
void TForm1::N451Click() {
    Run([](Session& s) { s.ChooseModel(PhoneModel::SME45); });
}
// Menu "Телефон" → "S/ME 45i".
void TForm1::N45i1Click() {
    Run([](Session& s) { s.ChooseModel(PhoneModel::SME45i); });
}
// Menu "Телефон" → "C 45".
void TForm1::C451Click() {
    Run([](Session& s) { s.ChooseModel(PhoneModel::C45); });
}
// Menu "Телефон" → "M 50".
void TForm1::M501Click() {
    Run([](Session& s) { s.ChooseModel(PhoneModel::M50); });
}
// Menu "Шрифт" → "Тип шрифта" → "Small".
void TForm1::Small1Click() {
    Run([](Session& s) { s.ChooseKind(FontKind::Small); });
}
// Menu "Шрифт" → "Тип шрифта" → "Normal".
void TForm1::Normal1Click() {
    Run([](Session& s) { s.ChooseKind(FontKind::Normal); });
}
// Menu "Шрифт" → "Тип шрифта" → "Browser".
void TForm1::Forwap1Click() {
    Run([](Session& s) { s.ChooseKind(FontKind::Browser); });
}
// Menu "Шрифт" → "Тип шрифта" → "Big".
void TForm1::Bigest1Click() {
    Run([](Session& s) { s.ChooseKind(FontKind::Big); });
}

// Menu "Язык" → "Русский" (Latin edition).
void TForm1::N8Click() {
    ChangeLanguage(kRussian);
}
// Menu "Язык" → "English" (Latin edition).
void TForm1::English1Click() {
    ChangeLanguage(kEnglish);
}

// The language flag and its check mark first, then the help, history and About windows, then
// the main window's own texts; the session has laid out the grid and shown the letter again.
void TForm1::ChangeLanguage(Language language) {
    editor_.SetLanguage(language);
    qt_translations_.Use(editor_.state().language);
    for (InfoWindow* window : {help_window_, history_window_, about_window_}) {
        if (window != nullptr) window->SetLanguage(editor_.state().language);
    }
    if (keys_window_ != nullptr) keys_window_->SetLanguage(editor_.state().language);
    ShowTexts();
    Refresh();
}

// The window is shown modally; the main window waits until the user closes it.
void TForm1::ShowInfoWindow(InfoWindow* window) {
    if (window != nullptr) window->exec();
}

// Menu "Сервис" → "Клавиши": not modal, so the list may stay open while the keys are tried.
void TForm1::Keys1Click() {
    if (keys_window_ == nullptr) keys_window_ = new KeysWindow(editor_.edition(), this);
    keys_window_->SetLanguage(editor_.state().language);
    keys_window_->show();
    keys_window_->raise();
    keys_window_->activateWindow();
}

// Menu "Инфо" → "Инструкция".
void TForm1::N9Click() {
    ShowInfoWindow(help_window_);
}
// Menu "Инфо" → "История".
void TForm1::N10Click() {
    ShowInfoWindow(history_window_);
}
// Menu "Инфо" → "About".
void TForm1::About1Click() {
    ShowInfoWindow(about_window_);
}

// ---------------------------------------------------------------------------------------------
// Controls

// A press on a letter thumbnail, any mouse button (PgUp / PgDn press its neighbours).
void TForm1::PaintBox1MouseDown(int slot) {
    Run([slot](Session& s) { s.PressThumbnail(slot); });
}

// A press on a grid cell: a stroke starts; the grid reports the pointer's further cells while the
// button stays down.
void TForm1::Panel1MouseDown(int row, int column) {
    Run([row, column](Session& s) { s.BeginStroke(row, column); });
}

// The pointer moved to another cell with the button down.
void TForm1::Panel1MouseMove(int row, int column) {
    Run([row, column](Session& s) { s.ContinueStroke(row, column); });
}

// The button went up: the stroke ends.
void TForm1::Panel1MouseUp() {
    Run([](Session& s) { s.EndStroke(); });
}

// Button "Записать в шрифт" (Ctrl+Return).
void TForm1::Button1Click() {
    Run([](Session& s) { s.WriteBack(); });
}

// Button "Копировать все" / "Копировать блок".
void TForm1::Button8Click() {
    Run([](Session& s) { s.CopyBlock(); });
}

// Button "Вставить все" / "Вставить блок".
void TForm1::Button9Click() {
    Run([](Session& s) { s.PasteBlock(); });
}

// Button "Копировать текущую".
void TForm1::Button10Click() {
    Run([](Session& s) { s.CopyLetter(); });
}

// Button "Вставить текущую".
void TForm1::Button11Click() {
    Run([](Session& s) { s.PasteLetter(); });
}

// A press on "B"; the session decides from its own state which buttons are down.
void TForm1::SpeedButton1MouseDown() {
    Run([](Session& s) { s.PressBold(); });
}

// A press on "А-Я" / "A".
void TForm1::SpeedButton2MouseDown() {
    Run([](Session& s) { s.PressUpperCase(); });
}

// A press on "а-я" / "a".
void TForm1::SpeedButton3MouseDown() {
    Run([](Session& s) { s.PressLowerCase(); });
}

// A press on "s1" (Latin edition).
void TForm1::SpeedButton4MouseDown() {
    Run([](Session& s) { s.PressSymbolSet(1); });
}

// A press on "s2" (Latin edition).
void TForm1::SpeedButton5MouseDown() {
    Run([](Session& s) { s.PressSymbolSet(2); });
}

// A press on a shift arrow ImageIO1 .. ImageIO4, any mouse button (Alt+arrows).
void TForm1::ImageIOMouseDown(TImageIO* sender) {
    for (size_t i = 0; i < shift_buttons_.size(); ++i) {
        if (shift_buttons_[i] != sender) continue;
        const ShiftDirection direction = kShiftButtonRows[i].direction;
        Run([direction](Session& s) { s.Shift(direction); });
    }
}

// The pointer entered a shift arrow (the component raises OnMouseOut then): the green picture.
void TForm1::ImageIOMouseOut(TImageIO* sender) {
    for (size_t i = 0; i < shift_buttons_.size(); ++i) {
        if (shift_buttons_[i] == sender)
            sender->SetPicture(arrows_.*kShiftButtonRows[i].pointer_over);
    }
}

// The pointer left a shift arrow (OnMouseIn): the picture at rest.
void TForm1::ImageIOMouseIn(TImageIO* sender) {
    for (size_t i = 0; i < shift_buttons_.size(); ++i) {
        if (shift_buttons_[i] == sender) sender->SetPicture(arrows_.*kShiftButtonRows[i].at_rest);
    }
}

}  // namespace rw::ui
