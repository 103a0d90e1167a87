#include <QCloseEvent>
#include <QString>

#include "edition/message.h"
#include "edition/texts.h"
#include "io/file_classification.h"
#include "io/flash_codec.h"
#include "io/font_files.h"
#include "io/glyph_count.h"
#include "io/load_scope.h"
#include "io/sft_conversion.h"
#include "ui/image_io.h"
#include "ui/info_windows.h"
#include "ui/keys_window.h"
#include "ui/main_window.h"
#include "ui/qt_conversions.h"

namespace rw::ui {
namespace {

// A failure after an interrupted save was rolled back tells both in the one box.
std::string MessageWithNote(const Status& status, int language) {
    const std::string line = status.Line(language);
    return status.note().empty() ? line : Render(status.note(), language) + "\n" + line;
}

int FlashGlyphs(const std::vector<FlashRecord>& records) {
    return static_cast<int>(records.size());
}

BlockSet LoadBlocks(const Session& editor) {
    return ScopeBlocks(editor.state().load_scope, editor.edition());
}

}  // namespace

// Every handler runs one session operation and shows what it changed.
void TForm1::Run(const std::function<void(Session&)>& operation) {
    operation(editor_);
    Refresh();
}

// ---------------------------------------------------------------------------------------------
// File commands. A load reads into a copy of the font; only a load that succeeded replaces the
// font, names the file in the caption and redraws. A failed command shows the standard text with
// the file's path and leaves font, caption and current file name as they were.

bool TForm1::LoadCommand(const FileDialogRequest& request, const LoadStep& load, FileKind kind,
                         StepName name, int glyphs) {
    const std::optional<QString> path = dialogs_->Open(request);
    if (!path) return false;
    return LoadFile(path->toStdString(), load, kind, name, glyphs);
}

bool TForm1::LoadFile(const std::string& file, const LoadStep& load, FileKind kind, StepName name,
                      int glyphs) {
    FontImage scratch = editor_.font();
    const Status status = load(file, scratch);
    if (!status.ok()) {
        ShowFailure(status);
        return false;
    }
    editor_.LoadedFile(kind, file, scratch, name, glyphs);
    Refresh();
    ShowNote(status.note());
    return true;
}

void TForm1::SaveCommand(const FileDialogRequest& request, const SaveStep& save, FileKind kind,
                         int glyphs, const SaveCheck& check) {
    const std::optional<QString> path = dialogs_->Save(request);
    if (!path) return;
    const std::string file = path->toStdString();
    if (check && !check(file)) return;
    const Status status = save(file);
    if (!status.ok()) {
        ShowFailure(status);
        return;
    }
    editor_.SavedFile(kind, file, glyphs);
    Refresh();
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
    const int language = editor_.state().language;
    return dialogs_->Ask(Q(Render(question, language)), Q(Render(Message{go_on, {}}, language)),
                         Q(Render(Message{MessageId::AnswerCancel, {}}, language)));
}

QString TForm1::DialogTitle(int text_id) const {
    return Q(Text(static_cast<UiText>(text_id), editor_.state().language, editor_.edition()));
}

QString TForm1::FontFileFilter() const {
    switch (FontFileFormatFor(editor_.edition(), editor_.state().wide)) {
        case FontFileFormat::Sft:
            return QStringLiteral("SiemensFont (*.sft)|*.sft");
        case FontFileFormat::Sbf:
            return QStringLiteral("SiemensBigFont (*.sbf)|*.sbf");
        case FontFileFormat::Sfe:
            break;
    }
    return QStringLiteral("SiemensFont Eng (*.sfe)|*.sfe");
}

FileDialogRequest TForm1::FlashLoadRequest() const {
    return {DialogTitle(static_cast<int>(UiText::LoadFlashTitle)),
            QStringLiteral("FullFlash (*.bin)|*.bin"), std::nullopt};
}

// "Загрузить шрифт из fullflash"
void TForm1::N2Click() {
    if (const std::optional<QString> path = dialogs_->Open(FlashLoadRequest()))
        LoadFlashFrom(path->toStdString());
}

void TForm1::LoadFlashFrom(const std::string& path) {
    const bool loaded = LoadFile(
        path,
        [this](const std::string& file, FontImage& font) {
            const EditorState& state = editor_.state();
            return ReadFlashFont(file, editor_.edition(), state.layout, LoadBlocks(editor_), font);
        },
        FileKind::Fullflash, UiText::MenuLoadFlash,
        FlashGlyphs(RecordsToRead(editor_.edition(), editor_.state().layout, LoadBlocks(editor_))));
    if (loaded) WarnIfNotAFont();
}

// "Сохранить шрифт в fullflash". It sets no default extension: the one a font-file save set
// stays in force. It offers the fullflash last loaded or saved, and asks before replacing
// glyphs the user did not change or writing where the chosen phone keeps no font.
void TForm1::N23Click() {
    const FileDialogRequest request{DialogTitle(static_cast<int>(UiText::SaveFlashTitle)),
                                    QStringLiteral("FullFlash (*.bin)|*.bin"), std::nullopt,
                                    QString::fromStdString(editor_.last_fullflash())};
    SaveCommand(
        request,
        [this](const std::string& path) {
            return WriteFlashFont(path, editor_.edition(), editor_.state().layout, editor_.font());
        },
        FileKind::Fullflash, FlashGlyphs(RecordsToWrite(editor_.edition(), editor_.state().layout)),
        [this](const std::string& path) { return ConfirmFlashSave(path); });
}

// "Загрузить шрифт из файла"
void TForm1::N41Click() {
    const FontFileFormat format = FontFileFormatFor(editor_.edition(), editor_.state().wide);
    FileDialogRequest request{DialogTitle(static_cast<int>(UiText::LoadFontFileTitle)),
                              FontFileFilter(), std::nullopt};
    request.name_extension = QString::fromLatin1(FontFileExtension(format));
    if (const std::optional<QString> path = dialogs_->Open(request))
        LoadFontFileFrom(path->toStdString());
}

void TForm1::LoadFontFileFrom(const std::string& path) {
    const FontFileFormat format = FontFileFormatFor(editor_.edition(), editor_.state().wide);
    LoadFile(
        path,
        [this, format](const std::string& file, FontImage& font) {
            return ReadFontFile(file, format, LoadBlocks(editor_), font);
        },
        FileKind::FontFile, UiText::MenuLoadFontFile,
        GlyphsInBlocks(editor_.edition(), LoadBlocks(editor_)));
}

// The file is judged before anything of it is read into the font: what it is decides which of
// the two loads takes it, and a font file in the other form than the chosen font's is refused.
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
    if (given.load == FileLoad::Fullflash) {
        LoadFlashFrom(path);
    } else {
        LoadFontFileFrom(path);
    }
}

// "Сохранить шрифт в файл". A name typed without extension gets the one of the format that is
// written, so a wide Cyrillic font becomes an .sbf file.
void TForm1::N39Click() {
    const FontFileFormat format = FontFileFormatFor(editor_.edition(), editor_.state().wide);
    // Offer the current file under the format's extension, never a fullflash's own name.
    const QString suggested =
        QString::fromStdString(FontFileNameFor(editor_.state().file_name, format));
    const QString extension = QString::fromLatin1(FontFileExtension(format));
    const FileDialogRequest request{DialogTitle(static_cast<int>(UiText::SaveFontFileTitle)),
                                    FontFileFilter(), extension, suggested, extension};
    SaveCommand(
        request,
        [this, format](const std::string& path) {
            return WriteFontFile(path, format, editor_.font());
        },
        FileKind::FontFile, GlyphsInBlocks(editor_.edition(), BlockSet::FirstN(8)));
}

// The two "SFT -> SBF" items: an .sft file into the wide table.
void TForm1::SftConversionCommand(const char* title, const SftLoad& convert, StepName name) {
    const FileDialogRequest request{Q(title), QStringLiteral("SiemensFont (*.sft)|*.sft"),
                                    std::nullopt, QString(), QStringLiteral(".sft")};
    LoadCommand(
        request,
        [this, &convert](const std::string& path, FontImage& font) {
            return convert(path, LoadBlocks(editor_), font, SystemFileSystem());
        },
        FileKind::SftConversion, name, GlyphsInBlocks(editor_.edition(), LoadBlocks(editor_)));
}

// "SFT -> SBF" / "Загрузить тонкий"
void TForm1::SFTSBF1Click() {
    SftConversionCommand("Загрузка SFT (тонкий) как SBF...", LoadThinSftAsSbf,
                         UiText::MenuLoadThinSft);
}

// "SFT -> SBF" / "Загрузить жирный"
void TForm1::N30Click() {
    SftConversionCommand("Загрузка SFT (жирный) как SBF...", LoadBoldSftAsSbf,
                         UiText::MenuLoadBoldSft);
}

// "Выход", Ctrl+Q and the close box all come to closeEvent.
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

void TForm1::N16Click() {
    Run([](Session& s) { s.ClearLetter(); });
}

void TForm1::N17Click() {
    Run([](Session& s) { s.ClearBlock(); });
}

void TForm1::N18Click() {
    Run([](Session& s) { s.ClearFont(); });
}

// Every load option; the tag tells them apart.
void TForm1::N19Click(int tag) {
    Run([tag](Session& s) { s.ChooseLoadScope(tag); });
}

void TForm1::ChooseModel(PhoneModel model) {
    Run([model](Session& s) { s.ChooseModel(model); });
}

void TForm1::ChooseKind(FontKind kind) {
    Run([kind](Session& s) { s.ChooseKind(kind); });
}

void TForm1::CMS351Click() {
    ChooseModel(PhoneModel::CM35);
}
void TForm1::S351Click() {
    ChooseModel(PhoneModel::S35);
}
void TForm1::N451Click() {
    ChooseModel(PhoneModel::SME45);
}
void TForm1::N45i1Click() {
    ChooseModel(PhoneModel::SME45i);
}
void TForm1::C451Click() {
    ChooseModel(PhoneModel::C45);
}
void TForm1::M501Click() {
    ChooseModel(PhoneModel::M50);
}
void TForm1::Small1Click() {
    ChooseKind(FontKind::Small);
}
void TForm1::Normal1Click() {
    ChooseKind(FontKind::Normal);
}
void TForm1::Forwap1Click() {
    ChooseKind(FontKind::Browser);
}
void TForm1::Bigest1Click() {
    ChooseKind(FontKind::Big);
}

void TForm1::N8Click() {
    ChangeLanguage(kRussian);
}
void TForm1::English1Click() {
    ChangeLanguage(kEnglish);
}

// The language flag and its check mark first, then the help, history and About windows, then
// the main window's own texts; the editor has rebuilt the grid and selected the letter again.
void TForm1::ChangeLanguage(int language) {
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

// "Клавиши": not modal, so the list may stay open while the keys are tried.
void TForm1::Keys1Click() {
    if (keys_window_ == nullptr) keys_window_ = new KeysWindow(editor_.edition(), this);
    keys_window_->SetLanguage(editor_.state().language);
    keys_window_->show();
    keys_window_->raise();
    keys_window_->activateWindow();
}

void TForm1::N9Click() {
    ShowInfoWindow(help_window_);
}
void TForm1::N10Click() {
    ShowInfoWindow(history_window_);
}
void TForm1::About1Click() {
    ShowInfoWindow(about_window_);
}

// ---------------------------------------------------------------------------------------------
// Controls

void TForm1::PaintBox1MouseDown(int slot) {
    Run([slot](Session& s) { s.PressThumbnail(slot); });
}

// A press on the grid starts a stroke; the grid reports the pointer's further cells while the
// button stays down, and the release ends the stroke.
void TForm1::Panel1MouseDown(int row, int column) {
    Run([row, column](Session& s) { s.BeginStroke(row, column); });
}

void TForm1::Panel1MouseMove(int row, int column) {
    Run([row, column](Session& s) { s.ContinueStroke(row, column); });
}

void TForm1::Panel1MouseUp() {
    Run([](Session& s) { s.EndStroke(); });
}

// "Записать в шрифт"
void TForm1::Button1Click() {
    Run([](Session& s) { s.WriteBack(); });
}

void TForm1::Button8Click() {
    Run([](Session& s) { s.CopyBlock(); });
}

void TForm1::Button9Click() {
    Run([](Session& s) { s.PasteBlock(); });
}

void TForm1::Button10Click() {
    Run([](Session& s) { s.CopyLetter(); });
}

void TForm1::Button11Click() {
    Run([](Session& s) { s.PasteLetter(); });
}

// The set and bold buttons act on the press; the editor decides which of them are down.
void TForm1::SpeedButton1MouseDown() {
    Run([](Session& s) { s.PressBold(); });
}

void TForm1::SpeedButton2MouseDown() {
    Run([](Session& s) { s.PressUpperCase(); });
}

void TForm1::SpeedButton3MouseDown() {
    Run([](Session& s) { s.PressLowerCase(); });
}

void TForm1::SpeedButton4MouseDown() {
    Run([](Session& s) { s.PressSymbolSet(1); });
}

void TForm1::SpeedButton5MouseDown() {
    Run([](Session& s) { s.PressSymbolSet(2); });
}

// ImageIO1 .. ImageIO4: right, left, up, down.
void TForm1::ImageIOMouseDown(TImageIO* sender) {
    static constexpr ShiftDirection kDirections[4] = {ShiftDirection::Right, ShiftDirection::Left,
                                                      ShiftDirection::Up, ShiftDirection::Down};
    for (int i = 0; i < 4; ++i) {
        if (shift_buttons_[i] != sender) continue;
        Run([i](Session& s) { s.Shift(kDirections[i]); });
    }
}

// Bound to OnMouseOut, which the component raises when the pointer enters: the green picture.
void TForm1::ImageIOMouseOut(TImageIO* sender) {
    const QImage* hover[4] = {&arrows_.ioRTp, &arrows_.ioLTp, &arrows_.ioUPp, &arrows_.ioDNp};
    for (int i = 0; i < 4; ++i) {
        if (shift_buttons_[i] == sender) sender->SetPicture(*hover[i]);
    }
}

// Bound to OnMouseIn, raised when the pointer leaves: the picture at rest.
void TForm1::ImageIOMouseIn(TImageIO* sender) {
    const QImage* rest[4] = {&arrows_.ioRTn, &arrows_.ioLTn, &arrows_.ioUPn, &arrows_.ioDNn};
    for (int i = 0; i < 4; ++i) {
        if (shift_buttons_[i] == sender) sender->SetPicture(*rest[i]);
    }
}

}  // namespace rw::ui
