// What the window remembers from one run to the next, the recent files, and files that arrive
// from outside the dialogs (dropped on the window).
#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "edition/texts.h"
#include "ui/main_window.h"
#include "ui/main_window_menus.h"
#include "ui/mnemonics.h"
#include "ui/qt_conversions.h"
#include "ui/settings_store.h"

namespace rw::ui {
namespace {

// The first local file among what is dragged; empty when there is none.
QString DraggedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return url.toLocalFile();
    }
    return {};
}

}  // namespace

// The store is taken only once the settings are shown: showing them writes nothing back, not even
// a state half shown.
void TForm1::UseSettings(std::unique_ptr<SettingsStore> store) {
    const RememberedSettings settings = store->Read();
    remembered_ = settings;
    const EditorState& state = editor_.state();
    if (settings.model != state.model)
        Run([model = settings.model](Session& s) { s.ChooseModel(model); });
    if (settings.kind != state.kind)
        Run([kind = settings.kind](Session& s) { s.ChooseKind(kind); });
    if (settings.show_original != state.show_original) Run([](Session& s) { s.ToggleOriginal(); });
    if (editor_.edition() == Edition::Latin && settings.language != state.language)
        ChangeLanguage(settings.language);
    if (settings.zoom != zoom_choice_) {
        ChooseZoom(settings.zoom);
        PlaceOnScreen();
    }
    settings_ = std::move(store);
    written_ = settings;
    RememberSettings();
    ShowRecentFiles();
}

// The settings file is written only when something in it changes.
void TForm1::RememberSettings() {
    const EditorState& state = editor_.state();
    remembered_.language = state.language;
    remembered_.model = state.model;
    remembered_.kind = state.kind;
    remembered_.zoom = zoom_choice_;
    remembered_.show_original = state.show_original;
    if (settings_ == nullptr || remembered_ == written_) return;
    settings_->Write(remembered_);
    written_ = remembered_;
}

void TForm1::RememberFile(FileRole role, const std::string& path) {
    remembered_.last_files[static_cast<std::size_t>(role)] = path;
    RememberSettings();
}

void TForm1::NoteRecentFile(const std::string& path) {
    remembered_.recent_files = WithRecentFile(remembered_.recent_files, path);
    RememberSettings();
    ShowRecentFiles();
}

// ---------------------------------------------------------------------------------------------
// "Файл" → "Последние файлы"

// The files newest first, each under its whole path; one that is gone stays, greyed, so the
// user sees which it was.
//
// The menu is a row of the menu table; its items are made here, each time the list changes and
// as the menu opens (a file may have gone since it was last shown).
void TForm1::ShowRecentFiles() {
    QMenu* menu = menus_->Named("RecentFiles1")->menu();
    menu->clear();
    int number = 0;
    for (const std::string& file : remembered_.recent_files) {
        const QString path = Q(file);
        // An ampersand in a name is one, not a mark.
        QString caption = QDir::toNativeSeparators(path);
        QAction* item = menu->addAction(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        item->setObjectName(QStringLiteral("RecentFile%1").arg(++number));
        item->setEnabled(QFileInfo(path).isFile());
        // Queued: the list is made anew as the file opens, and the item with it.
        connect(
            item, &QAction::triggered, this, [this, file] { OpenGivenFile(file); },
            Qt::QueuedConnection);
    }
    menu->addSeparator();
    QAction* clear = menu->addAction(Text(UiText::MenuClearRecentFiles));
    clear->setObjectName(QStringLiteral("ClearRecentFiles1"));
    clear->setEnabled(!remembered_.recent_files.empty());
    connect(clear, &QAction::triggered, this, &TForm1::ClearRecentFiles, Qt::QueuedConnection);
    MarkMnemonics(menuBar());
}

// "Очистить список": the list goes for good.
void TForm1::ClearRecentFiles() {
    remembered_.recent_files.clear();
    RememberSettings();
    ShowRecentFiles();
}

// ---------------------------------------------------------------------------------------------
// Dropped files

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!DraggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

// The file opens once the drop is over: a question or an error box must not hold the drag.
void TForm1::dropEvent(QDropEvent* event) {
    const QString file = DraggedFile(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, path = file.toStdString()] { OpenGivenFile(path); });
}

}  // namespace rw::ui
