#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "edition/key_table.h"
#include "editor/file_commands.h"
#include "editor/remembered_settings.h"
#include "editor/session.h"
#include "editor/text_preview.h"
#include "fontimport/import_faces.h"
#include "io/status.h"
#include "model/block_set.h"
#include "model/edition.h"
#include "model/zoom.h"
#include "png/png_files.h"
#include "ui/file_dialogs.h"
#include "ui/menu_table.h"
#include "ui/pictures.h"
#include "ui/qt_translations.h"
#include "ui/read_progress_dialog.h"
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
// itself. File commands are the core's (FileCommands): the window shows their prompts through
// the FileDialogs seam and hands back the answers.
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

    // A file named outside the dialogs: on the command line, dropped on the window, chosen among
    // the recent files (FileCommands::OpenGiven). The dialog of its kind offers it next.
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

    // Construction, in the order of the window definition.
    void FormCreate();
    void BuildMenus();
    void BuildShortcuts();
    // The menu item a key goes on; null for a key of no item.
    QAction* MenuItemOf(KeyCommand command) const;
    // What a key of no menu item does.
    static std::function<void(Session&)> OperationOf(KeyCommand command);
    // The control whose focus a key needs: the window itself for the keys of the whole window.
    QWidget* ScopeOf(KeyScope scope);
    // The hint of a button as a tool tip with its key: "Прописные (Ctrl+1)".
    QString WithKeys(UiText hint, KeyCommand command) const;
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
    void FitStatusLine();

    // A menu item chosen, as its row of the menu table says (main_window_menus.cpp); the window's
    // own actions under the menus' object names.
    void ChooseMenuItem(const MenuRow& row, QAction* action);
    void DoWindowAction(WindowAction action, int code);
    void N5Click();
    void TextPreview1Click();
    void Keys1Click();

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

    // Runs a file command of the core to its end: each prompt shown, each answer handed back,
    // the views shown after every step.
    void RunFile(FileCommand command);
    void Drive(FilePrompt prompt);
    bool ReportReadProgress(double done);
    FileAnswer AnswerOf(const FilePrompt& prompt);
    std::optional<FontImportRequest> ChooseFaces(const FaceChoice& choice);
    // A question with the answer `go_on` and "Отмена"; true to go on.
    bool Ask(const std::vector<Message>& question, MessageId go_on);
    // A text in the interface language.
    QString Text(UiText id) const;
    void ChangeLanguage(Language language);
    void ShowInfoWindow(InfoWindow* window);

    // Remembered settings and recent files (main_window_settings.cpp).
    void ShowRecentFiles();
    void ClearRecentFiles();
    void NoteRecentFile(const std::string& path);
    void RememberSettings();
    void RememberFile(FileRole role, const std::string& path);
    // The file dialog of a command, offering the file last chosen for its kind of file.
    std::optional<QString> AskFile(const FileDialogSpec& dialog);

    // Text preview (main_window_preview).
    PreviewFont PreviewSource() const;
    void ShowTextPreview();

    // Showing the editor's views.
    void Refresh();
    void ShowGrid();
    void ShowRowLabels();
    void ShowLetterLabels();
    void ShowThumbnails();
    void ShowEditImage();
    void ShowSelectionFrame();
    void ShowHints();
    void ShowChangedMarks();
    void ShowCovers();
    void ShowMarkers();
    void ShowMenuCaptions();
    void ShowControls();
    QString MenuCaption(const MenuRow& row) const;
    void ShowTexts();
    void ShowNotice();
    void ShowCursor();

    Session editor_;
    PngCodec pictures_;
    FreeTypeFaceOpener faces_;
    FileCommands files_;
    ReadProgressDialog read_progress_{this};
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
    QFrame* panel_offcet_ = nullptr;
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
