// The main window's handlers: each runs one session operation (Run) or one file command of the
// core (RunFile).
#include <QCloseEvent>
#include <QString>

#include "edition/message.h"
#include "ui/button_tables.h"
#include "ui/image_button.h"
#include "ui/import_font_dialog.h"
#include "ui/info_windows.h"
#include "ui/keys_window.h"
#include "ui/main_window.h"
#include "ui/qt_conversions.h"

namespace rw::ui {
void TForm1::Run(const std::function<void(Session&)>& operation) {
    operation(editor_);
    Refresh();
}

// ---------------------------------------------------------------------------------------------
// File commands: the core decides; the window shows each prompt and hands the answer back.

void TForm1::RunFile(FileCommand command) {
    Drive(files_.Start(command));
}

// The core's report of a long read: the dialog, titled as the patch import's file dialog.
bool TForm1::ReportReadProgress(double done) {
    return read_progress_.Report(
        done, Text(UiText::LoadPatchTitle),
        Q(Render(Message{MessageId::AnswerCancel, {}}, editor_.state().language)));
}

// A command that read or wrote a file ends naming it: it goes to the front of the recent files,
// and the dialog of its kind offers it next.
void TForm1::Drive(FilePrompt prompt) {
    for (;;) {
        Refresh();
        if (prompt.done()) break;
        const FileAnswer answer = AnswerOf(prompt);
        prompt = files_.Resume(answer);
        read_progress_.Close();
    }
    if (prompt.file.empty()) return;
    RememberFile(prompt.file_role, prompt.file);
    NoteRecentFile(prompt.file);
}

namespace {

FileDialogRequest RequestOf(const FileDialogSpec& dialog) {
    std::optional<QString> suffix;
    if (dialog.default_suffix) suffix = Q(*dialog.default_suffix);
    return {Q(dialog.title), Q(dialog.filter), suffix, Q(dialog.suggested_path),
            Q(dialog.name_extension)};
}

}  // namespace

// A file dialog of a command. Where the command suggests no file, the dialog offers the one last
// chosen for its kind of file; the file chosen is remembered for that kind.
std::optional<QString> TForm1::AskFile(const FileDialogSpec& dialog) {
    FileDialogRequest request = RequestOf(dialog);
    if (request.suggested_path.isEmpty())
        request.suggested_path = Q(remembered_.last_files[static_cast<std::size_t>(dialog.role)]);
    const std::optional<QString> path =
        dialog.save ? dialogs_->Save(request) : dialogs_->Open(request);
    if (path) RememberFile(dialog.role, path->toStdString());
    return path;
}

FileAnswer TForm1::AnswerOf(const FilePrompt& prompt) {
    switch (prompt.kind) {
        case FilePrompt::Kind::ChooseFile: {
            const std::optional<QString> path = AskFile(prompt.dialog);
            return path ? FileAnswer::File(path->toStdString()) : FileAnswer::Cancel();
        }
        case FilePrompt::Kind::ChooseFaces: {
            const std::optional<FontImportRequest> faces = ChooseFaces(prompt.faces);
            return faces ? FileAnswer::Faces(*faces) : FileAnswer::Cancel();
        }
        case FilePrompt::Kind::Ask:
            if (!prompt.other.empty()) {
                switch (dialogs_->AskTwoWays(Q(prompt.text), Q(prompt.go_on), Q(prompt.other),
                                             Q(prompt.stop))) {
                    case TwoWays::GoOn:
                        return FileAnswer::Yes();
                    case TwoWays::Other:
                        return FileAnswer::Other();
                    case TwoWays::Stop:
                        return FileAnswer::No();
                }
            }
            return dialogs_->Ask(Q(prompt.text), Q(prompt.go_on), Q(prompt.stop))
                       ? FileAnswer::Yes()
                       : FileAnswer::No();
        case FilePrompt::Kind::Error:
            dialogs_->ShowError(Q(prompt.text));
            break;
        case FilePrompt::Kind::Warning:
            dialogs_->ShowWarning(Q(prompt.text));
            break;
        case FilePrompt::Kind::Notice:
            dialogs_->ShowNotice(Q(prompt.title), Q(prompt.text));
            break;
        case FilePrompt::Kind::Done:
            break;
    }
    return FileAnswer::Seen();
}

// The import dialog previews the faces on the font as it is.
std::optional<FontImportRequest> TForm1::ChooseFaces(const FaceChoice& choice) {
    const ImportDialogContext context{choice.target, choice.font, choice.block, choice.language};
    const FileDialogSpec font_file = choice.font_file_dialog;
    ImportFontDialog dialog(
        context, [this, font_file] { return AskFile(font_file); }, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Request();
}

// A question, with the answer that goes on and "Отмена", which is the default.
bool TForm1::Ask(const std::vector<Message>& question, MessageId go_on) {
    const Language language = editor_.state().language;
    return dialogs_->Ask(Q(Render(question, language)), Q(Render(Message{go_on, {}}, language)),
                         Q(Render(Message{MessageId::AnswerCancel, {}}, language)));
}

// Texts in the interface language, as the window model gives them.
QString TForm1::Text(UiText id) const {
    return Q(editor_.view().Caption(id));
}

void TForm1::OpenGivenFile(const std::string& path) {
    dialogs_->RememberOpened(QString::fromStdString(path));
    Drive(files_.OpenGiven(path));
}

// Menu "Файл" → "Выход" (Ctrl+Q); it and the close box come to closeEvent.
void TForm1::N5Click() {
    close();
}

// With unsaved changes the user is asked first; "Отмена" keeps the window and everything in it.
void TForm1::closeEvent(QCloseEvent* event) {
    if (editor_.HasUnsavedChanges() && !Ask(editor_.QuitQuestion(), MessageId::AnswerQuit)) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

// ---------------------------------------------------------------------------------------------
// Language and information windows

// The language flag and its check mark first (the session lays out the grid and shows the letter
// again), then the help, history and About windows, then the main window's own texts.
void TForm1::ChangeLanguage(Language language) {
    Run([language](Session& s) { s.SetLanguage(language); });
    qt_translations_.Use(editor_.state().language);
    for (InfoWindow* window : {help_window_, history_window_, about_window_}) {
        if (window != nullptr) window->SetLanguage(editor_.state().language);
    }
    if (keys_window_ != nullptr) keys_window_->SetLanguage(editor_.state().language);
    ShowTexts();
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
