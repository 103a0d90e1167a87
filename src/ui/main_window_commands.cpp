#include <QString>

#include "edition/texts.h"
#include "io/flash_codec.h"
#include "io/font_files.h"
#include "io/load_scope.h"
#include "io/sft_conversion.h"
#include "ui/image_io.h"
#include "ui/info_windows.h"
#include "ui/main_window.h"
#include "ui/qt_conversions.h"

namespace rw::ui {
namespace {

// A failure after an interrupted save was rolled back tells both in the one box.
std::string MessageWithNote(const Status& status) {
    return status.note().empty() ? status.Message() : status.note() + "\n" + status.Message();
}

BlockSet LoadBlocks(const Editor& editor) {
    return ScopeBlocks(editor.state().load_scope, editor.edition());
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// File commands. A load reads into a copy of the font; only a load that succeeded replaces the
// font, names the file in the caption and redraws. A failed command shows the standard text with
// the file's path and leaves font, caption and current file name as they were.

void TForm1::LoadCommand(const FileDialogRequest& request, const LoadStep& load) {
    const std::optional<QString> path = dialogs_->Open(request);
    if (!path) return;
    const std::string file = path->toStdString();
    FontImage scratch = editor_.font();
    const Status status = load(file, scratch);
    if (!status.ok()) {
        dialogs_->ShowError(QString::fromStdString(MessageWithNote(status)));
        return;
    }
    editor_.SetFileName(file);
    editor_.ReplaceFont(scratch);
    editor_.AfterFontLoaded();
    Refresh();
    if (!status.note().empty()) dialogs_->ShowNotice(QString::fromStdString(status.note()));
}

void TForm1::SaveCommand(const FileDialogRequest& request, const SaveStep& save) {
    const std::optional<QString> path = dialogs_->Save(request);
    if (!path) return;
    const std::string file = path->toStdString();
    const Status status = save(file);
    if (!status.ok()) {
        dialogs_->ShowError(QString::fromStdString(MessageWithNote(status)));
        return;
    }
    editor_.SetFileName(file);
    Refresh();
    if (!status.note().empty()) dialogs_->ShowNotice(QString::fromStdString(status.note()));
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

// "Загрузить шрифт из fullflash"
void TForm1::N2Click() {
    const FileDialogRequest request{DialogTitle(static_cast<int>(UiText::LoadFlashTitle)),
                                    QStringLiteral("FullFlash (*.bin)|*.bin"), std::nullopt};
    LoadCommand(request, [this](const std::string& path, FontImage& font) {
        const EditorState& state = editor_.state();
        return ReadFlashFont(path, editor_.edition(), state.layout, LoadBlocks(editor_), font);
    });
}

// "Сохранить шрифт в fullflash". It sets no default extension: the one a font-file save set
// stays in force.
void TForm1::N23Click() {
    const FileDialogRequest request{DialogTitle(static_cast<int>(UiText::SaveFlashTitle)),
                                    QStringLiteral("FullFlash (*.bin)|*.bin"), std::nullopt};
    SaveCommand(request, [this](const std::string& path) {
        return WriteFlashFont(path, editor_.edition(), editor_.state().layout, editor_.font());
    });
}

// "Загрузить шрифт из файла"
void TForm1::N41Click() {
    const FileDialogRequest request{DialogTitle(static_cast<int>(UiText::LoadFontFileTitle)),
                                    FontFileFilter(), std::nullopt};
    const FontFileFormat format = FontFileFormatFor(editor_.edition(), editor_.state().wide);
    LoadCommand(request, [this, format](const std::string& path, FontImage& font) {
        return ReadFontFile(path, format, LoadBlocks(editor_), font);
    });
}

// "Сохранить шрифт в файл". A name typed without extension gets the one of the format that is
// written, so a wide Cyrillic font becomes an .sbf file.
void TForm1::N39Click() {
    const FontFileFormat format = FontFileFormatFor(editor_.edition(), editor_.state().wide);
    // Offer the current file under the format's extension, never a fullflash's own name.
    const QString suggested =
        QString::fromStdString(FontFileNameFor(editor_.state().file_name, format));
    const FileDialogRequest request{DialogTitle(static_cast<int>(UiText::SaveFontFileTitle)),
                                    FontFileFilter(),
                                    QString::fromLatin1(FontFileExtension(format)), suggested};
    SaveCommand(request, [this, format](const std::string& path) {
        return WriteFontFile(path, format, editor_.font());
    });
}

// "SFT -> SBF" / "Загрузить тонкий"
void TForm1::SFTSBF1Click() {
    const FileDialogRequest request{Q("Загрузка SFT (тонкий) как SBF..."),
                                    QStringLiteral("SiemensFont (*.sft)|*.sft"), std::nullopt};
    LoadCommand(request, [this](const std::string& path, FontImage& font) {
        return LoadThinSftAsSbf(path, LoadBlocks(editor_), font);
    });
}

// "SFT -> SBF" / "Загрузить жирный"
void TForm1::N30Click() {
    const FileDialogRequest request{Q("Загрузка SFT (жирный) как SBF..."),
                                    QStringLiteral("SiemensFont (*.sft)|*.sft"), std::nullopt};
    LoadCommand(request, [this](const std::string& path, FontImage& font) {
        return LoadBoldSftAsSbf(path, LoadBlocks(editor_), font);
    });
}

// "Выход": nothing is saved and nothing is asked.
void TForm1::N5Click() {
    close();
}

// ---------------------------------------------------------------------------------------------
// Font menu, phone menu, language, information windows

void TForm1::N16Click() {
    editor_.ClearLetter();
    Refresh();
}

void TForm1::N17Click() {
    editor_.ClearBlock();
    Refresh();
}

void TForm1::N18Click() {
    editor_.ClearFont();
    Refresh();
}

// Every load option; the tag tells them apart.
void TForm1::N19Click(int tag) {
    editor_.ChooseLoadScope(tag);
    Refresh();
}

void TForm1::ChooseModel(PhoneModel model) {
    editor_.ChooseModel(model);
    Refresh();
}

void TForm1::ChooseKind(FontKind kind) {
    editor_.ChooseKind(kind);
    Refresh();
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
    for (InfoWindow* window : {help_window_, history_window_, about_window_}) {
        if (window != nullptr) window->SetLanguage(editor_.state().language);
    }
    ShowTexts();
    Refresh();
}

// The window is shown modally; the main window waits until the user closes it.
void TForm1::ShowInfoWindow(InfoWindow* window) {
    if (window != nullptr) window->exec();
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
    editor_.PressThumbnail(slot);
    Refresh();
}

void TForm1::Panel1MouseDown(int row, int column) {
    editor_.ClickCell(row, column);
    Refresh();
}

// "Записать в шрифт"
void TForm1::Button1Click() {
    editor_.WriteBack();
    Refresh();
}

void TForm1::Button8Click() {
    editor_.CopyBlock();
    Refresh();
}

void TForm1::Button9Click() {
    editor_.PasteBlock();
    Refresh();
}

void TForm1::Button10Click() {
    editor_.CopyLetter();
    Refresh();
}

void TForm1::Button11Click() {
    editor_.PasteLetter();
    Refresh();
}

// The set and bold buttons act on the press; the editor decides which of them are down.
void TForm1::SpeedButton1MouseDown() {
    editor_.PressBold();
    Refresh();
}

void TForm1::SpeedButton2MouseDown() {
    editor_.PressUpperCase();
    Refresh();
}

void TForm1::SpeedButton3MouseDown() {
    editor_.PressLowerCase();
    Refresh();
}

void TForm1::SpeedButton4MouseDown() {
    editor_.PressSymbolSet(1);
    Refresh();
}

void TForm1::SpeedButton5MouseDown() {
    editor_.PressSymbolSet(2);
    Refresh();
}

// ImageIO1 .. ImageIO4: right, left, up, down.
void TForm1::ImageIOMouseDown(TImageIO* sender) {
    static constexpr ShiftDirection kDirections[4] = {ShiftDirection::Right, ShiftDirection::Left,
                                                      ShiftDirection::Up, ShiftDirection::Down};
    for (int i = 0; i < 4; ++i) {
        if (shift_buttons_[i] != sender) continue;
        editor_.Shift(kDirections[i]);
        Refresh();
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
