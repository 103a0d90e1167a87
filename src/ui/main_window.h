#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "edition/key_table.h"
#include "editor/remembered_settings.h"
#include "editor/session.h"
#include "editor/text_preview.h"
#include "io/status.h"
#include "model/block_set.h"
#include "model/edition.h"
#include "model/zoom.h"
#include "ui/file_dialogs.h"
#include "ui/pictures.h"
#include "ui/qt_translations.h"
#include "ui/scaled_places.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace rw::ui {

class GridWidget;
class InfoWindow;
class KeysWindow;
class SpeedButton;
class TImageIO;
class SettingsStore;
class TextPreviewWindow;
class Thumbnail;
class ThumbnailStrip;
class ZoomArea;

// The main window of both editions. It builds the controls where the window definition puts
// them (form_geometry.h), forwards every press and menu choice to one session operation through
// Run, which then shows the session's views; it never changes the font or the editor state
// itself. File commands ask their dialogs here and leave the rest to the session.
class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit TForm1(Edition edition, QWidget* parent = nullptr);
    ~TForm1() override;

    // Replaces the file dialogs and message boxes, so tests can answer in place of a user.
    void SetFileDialogs(std::unique_ptr<FileDialogs> dialogs);
    // The windows the Info menu shows modally; a null window leaves its item without effect.
    // They follow the interface language with the main window.
    void SetInfoWindows(InfoWindow* help, InfoWindow* history, InfoWindow* about);

    // A file named on the command line: a fullflash is loaded as "Загрузить шрифт из fullflash"
    // loads it, a font file of the edition as "Загрузить шрифт из файла" does; anything else
    // gets the error box of a failed load, naming the file and why.
    void OpenGivenFile(const std::string& path);

    // Reads the remembered settings from `store` and shows them (language, model, kind, zoom,
    // the dialogs' last files, the recent files); from then on every change is written back.
    // Without a store the window remembers nothing beyond its run.
    void UseSettings(std::unique_ptr<SettingsStore> store);

    const Session& editor() const { return editor_; }
    // The zoom chosen in "Масштаб" (or by its keys) and the one the window is drawn at.
    ZoomChoice zoom_choice() const { return zoom_choice_; }
    Zoom zoom() const { return places_.zoom(); }
    // The area the window definition places its controls in, below the menu.
    QWidget* ClientArea() const { return client_; }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A file dropped on the window opens as one named on the command line.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    struct Menus;
    // What a key of the key table does: a menu item, or else an operation of the editor.
    struct KeyBinding {
        QAction* item = nullptr;
        std::function<void(Session&)> operation;
    };

    // Construction, in the order of the window definition.
    void FormCreate();
    void BuildMenus();
    void BuildFileMenu();
    void BuildEditMenu();
    void BuildShortcuts();
    KeyBinding BindingOf(KeyCommand command) const;
    // The control whose focus a key needs: the window itself for the keys of the whole window.
    QWidget* ScopeOf(KeyScope scope);
    // The hint of a button as a tool tip with its key: "Прописные (Ctrl+1)".
    QString WithKeys(UiText hint, KeyCommand command) const;
    void BuildFontMenu();
    void BuildPhoneMenu();
    void BuildLanguageMenu();
    void BuildToolsMenu();
    void BuildInfoMenu();
    void BuildRowLabels();
    void BuildGrid();
    void BuildThumbnailPanel();
    void BuildThumbnails(QWidget* panel);
    void BuildCovers(QWidget* panel);
    void BuildSetButtons();
    void BuildLetterPanel();
    void BuildShiftButtons(QWidget* panel);
    void BuildClipboardPanel();
    void PlaceOnScreen();

    // Zoom (main_window_zoom.cpp): "Сервис" → "Масштаб", its keys, and the window drawn at a
    // zoom from the geometry table.
    void BuildZoomMenu();
    void BuildZoom();
    void ChooseZoom(ZoomChoice choice);
    void StepZoom(int step);
    void ApplyZoom(Zoom zoom);
    // The zoom of "По размеру окна" for the space the window's central area now has.
    void FitZoom(QSize area);
    // The letter pictures and the controls on them, the grid and the row labels: in picture
    // pixels, cells and rows.
    void PlacePictures();
    void ScaleFonts(Zoom zoom);
    void ShowZoomChecks();
    // Thumbnails, grid, then the buttons as before.
    void OrderTabs();

    // Activation and the status line.
    void FormActivate();
    void ShowHint(const QString& hint);

    // Menu handlers, under the menus' object names (main_window_menus.cpp).
    void N2Click();
    void N23Click();
    void N41Click();
    void N39Click();
    void SFTSBF1Click();
    void N30Click();
    void N5Click();
    void N16Click();
    void N17Click();
    void N18Click();
    void N19Click(int tag);
    void CMS351Click();
    void S351Click();
    void N451Click();
    void N45i1Click();
    void C451Click();
    void M501Click();
    void Small1Click();
    void Normal1Click();
    void Forwap1Click();
    void Bigest1Click();
    void TextPreview1Click();
    void Keys1Click();
    void N9Click();
    void N10Click();
    void About1Click();
    void N8Click();
    void English1Click();
    void ImportFont1Click();
    void ImportPng1Click();
    void ExportPng1Click();
    void ExportPatch1Click();
    void ImportPatch1Click();
    void ImportPngFrom(const std::string& file);
    void ImportPatchFrom(const std::string& file);
    // The fullflash a patch is made against or applied to: the one last loaded or saved, else
    // one the fullflash load dialog asks for; nullopt when the user cancels.
    std::optional<std::string> FullflashForPatch();

    // Control handlers.
    void PaintBox1MouseDown(int slot);
    void Panel1MouseDown(int row, int column);
    void Panel1MouseMove(int row, int column);
    void Panel1MouseUp();
    void Button1Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void SpeedButton1MouseDown();
    void SpeedButton2MouseDown();
    void SpeedButton3MouseDown();
    void SpeedButton4MouseDown();
    void SpeedButton5MouseDown();
    void ImageIOMouseDown(TImageIO* sender);
    void ImageIOMouseOut(TImageIO* sender);
    void ImageIOMouseIn(TImageIO* sender);

    // Runs one session operation, then shows what it changed: the one way a handler acts.
    void Run(const std::function<void(Session&)>& operation);

    // The file commands: the dialogs here, the rest in the session. True when the load replaced
    // the font.
    bool LoadCommand(const FileDialogRequest& request, LoadRequest::Source source);
    void SaveCommand(const FileDialogRequest& request, SaveRequest::Target target);
    // A failure in the error box, else the note of a save cut off that was rolled back first.
    void ShowOutcome(const Status& status);
    // The load once the file is chosen, from a dialog or from outside the window.
    bool LoadPath(const std::string& path, LoadRequest::Source source);
    void ShowFailure(const Status& status);
    // An interrupted save rolled back before a command, told in one box; nothing for none.
    void ShowNote(const Message& note);
    // The session's question with the answer `go_on` and "Отмена"; true to go on.
    bool Ask(const std::vector<Message>& question, MessageId go_on);
    // A text in the interface language.
    QString Text(UiText id) const;
    // The open dialog of "Загрузить шрифт из fullflash".
    FileDialogRequest FlashLoadRequest() const;
    QString FontFileFilter() const;
    void ChangeLanguage(Language language);
    void ShowInfoWindow(InfoWindow* window);

    // Remembered settings and recent files (main_window_settings.cpp).
    void BuildRecentFilesMenu();
    void ShowRecentFiles();
    void NoteRecentFile(const std::string& path);
    void RememberSettings();
    // The file dialogs, each offering the file last chosen for its kind of file.
    std::optional<QString> AskOpen(FileRole role, FileDialogRequest request);
    std::optional<QString> AskSave(FileRole role, FileDialogRequest request);
    void RememberFile(FileRole role, const std::string& path);

    // Text preview and the check that a fullflash holds the chosen font (main_window_preview).
    PreviewFont PreviewSource() const;
    void ShowTextPreview();
    void WarnIfNotAFont();
    bool ConfirmFlashSave(const std::string& path);

    // Showing the editor's views.
    void Refresh();
    void ShowGrid();
    void ShowRowLabels();
    void ShowLetterLabels();
    void ShowThumbnails();
    void ShowEditImage();
    void ShowSelectionFrame();
    void ShowHints();
    void ShowCovers();
    void ShowMarkers();
    void ShowMenuCaptions();
    void ShowControls();
    void ShowTexts();
    void ShowNotice();
    void ShowCursor();

    Session editor_;
    std::unique_ptr<FileDialogs> dialogs_;
    ArrowPictures arrows_;
    std::unique_ptr<Menus> menus_;

    QWidget* client_ = nullptr;
    ZoomArea* zoom_area_ = nullptr;
    ScaledPlaces places_;
    ZoomChoice zoom_choice_;
    std::unique_ptr<SettingsStore> settings_;
    RememberedSettings remembered_;  // what is now to remember
    RememberedSettings written_;     // what the settings file holds
    int menu_bar_height_ = 0;        // at 100 %
    GridWidget* grid_ = nullptr;
    ThumbnailStrip* strip_ = nullptr;  // Panel106
    std::array<QLabel*, 16> row_labels_{};
    QLabel* label_offcet_ = nullptr;
    std::array<Thumbnail*, kMaxSlots> thumbnails_{};
    std::array<QWidget*, kMaxSlots> markers_{};
    std::array<QLabel*, 4>
        frame_{};  // LabelBackLeft, LabelBackTop, LabelBackRight, LabelBackBottom
    QFrame* panel_yo1_ = nullptr;
    QFrame* panel_yo2_ = nullptr;
    QLabel* image1_ = nullptr;  // the sign over Є
    QLabel* image2_ = nullptr;  // the sign over Ё
    QFrame* panel_close1_ = nullptr;
    QFrame* panel_close2_ = nullptr;
    std::array<SpeedButton*, kSetButtonCount> set_buttons_{};  // SpeedButton2, 3, 4, 5
    SpeedButton* bold_button_ = nullptr;                       // SpeedButton1
    QLabel* label14_ = nullptr;
    QLabel* label15_ = nullptr;
    QLabel* label00_ = nullptr;
    QLabel* label0_ = nullptr;
    Thumbnail* paint_box_edit_ = nullptr;
    QFrame* panel109_ = nullptr;
    std::array<TImageIO*, 4> shift_buttons_{};  // ImageIO1 .. ImageIO4: right, left, up, down
    QPushButton* button1_ = nullptr;
    std::array<QPushButton*, 4> clipboard_buttons_{};  // Button8 .. Button11
    QtTranslations qt_translations_;             // Qt's own dialog texts in the interface language
    InfoWindow* help_window_ = nullptr;          // Form3
    InfoWindow* history_window_ = nullptr;       // Form4
    InfoWindow* about_window_ = nullptr;         // Form5
    TextPreviewWindow* text_preview_ = nullptr;  // made when first opened
    KeysWindow* keys_window_ = nullptr;          // made when first opened
};

}  // namespace rw::ui
