#pragma once

#include <QString>
#include <optional>

class QFileDialog;
class QMessageBox;
class QWidget;

namespace rw::ui {

// What a command asks of one of the two file dialogs. The filter is written the way the menus
// define it, "Description (*.ext)|*.ext".
struct FileDialogRequest {
    QString title;
    QString filter;
    // A save dialog keeps its default extension until a command sets another one; nullopt leaves
    // the one in force.
    std::optional<QString> default_suffix;
    // A full path the dialog offers in place of the file last chosen in it; empty for none.
    QString suggested_path = {};
    // ".sft": the dialog offers only a name with this extension, else just its folder; empty
    // for any name.
    QString name_extension = {};
};

// The answers of a question with two ways on.
enum class TwoWays { GoOn, Other, Stop };

// The open dialog, the save dialog and the error message box of the main window. The window talks
// to them only through this interface, so tests can answer in place of a user.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nullopt when the user cancels.
    virtual std::optional<QString> Open(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> Save(const FileDialogRequest& request) = 0;
    // A file the window opened without the open dialog (named on the command line, dropped). The
    // window itself offers it in the next open dialog of its kind.
    virtual void RememberOpened(const QString& path) { (void)path; }
    // The standard error box of a failed file command.
    virtual void ShowError(const QString& message) = 0;
    // A warning with one OK button.
    virtual void ShowWarning(const QString& message) = 0;
    // A question with two answers; true for `go_on`. `stop` is the default and Escape's answer.
    virtual bool Ask(const QString& question, const QString& go_on, const QString& stop) = 0;
    // A question with two ways on and `stop`, which is the default and Escape's answer.
    virtual TwoWays AskTwoWays(const QString& question, const QString& go_on, const QString& other,
                               const QString& stop) = 0;
    // A message that reports, not fails: what an import could not take, or an interrupted save
    // rolled back before a command.
    virtual void ShowNotice(const QString& title, const QString& message) = 0;
};

// "Description (*.ext)|*.ext" as a Qt name filter, "Description (*.ext)".
QString QtNameFilter(const QString& filter);
// "*.sft" or "sft" as a suffix without the dot, as Qt wants it.
QString BareSuffix(const QString& extension);

// What one of the two dialogs keeps from one use to the next.
struct FileDialogMemory {
    QString last_path;       // the file last chosen in it
    QString default_suffix;  // without the dot; empty for none
};

// Sets up a dialog for a request: title, filter, default extension (a request without one keeps
// the dialog's), no question before an existing name is taken, and the start place: the
// suggested path, else the file last chosen in this dialog, else the directory that was current
// when the program started.
void ConfigureFileDialog(QFileDialog& dialog, const FileDialogRequest& request, bool save,
                         FileDialogMemory& memory, const QString& start_directory);

// Sets up the error box of a failed file command. The message names a file, and a file's name
// may look like markup, so it is shown as plain text.
void ConfigureErrorBox(QMessageBox& box, const QString& message);

// Sets up the warning box: one OK button, the message as plain text.
void ConfigureWarningBox(QMessageBox& box, const QString& message);

// Sets up the box of a notice that has a title of its own ("Импорт из шрифта"): one OK button,
// the message as plain text, the box at least as wide as its title.
void ConfigureNoticeBox(QMessageBox& box, const QString& title, const QString& message);
// The width a title bar needs to show `title` whole, with room for the window manager's buttons.
int TitleBarWidth(const QString& title);

// The real dialogs and message box.
class QtFileDialogs : public FileDialogs {
  public:
    QtFileDialogs(QWidget* owner, QString start_directory);

    std::optional<QString> Open(const FileDialogRequest& request) override;
    std::optional<QString> Save(const FileDialogRequest& request) override;
    void ShowError(const QString& message) override;
    void ShowWarning(const QString& message) override;
    bool Ask(const QString& question, const QString& go_on, const QString& stop) override;
    TwoWays AskTwoWays(const QString& question, const QString& go_on, const QString& other,
                       const QString& stop) override;
    void ShowNotice(const QString& title, const QString& message) override;

  private:
    std::optional<QString> Run(const FileDialogRequest& request, bool save,
                               FileDialogMemory& memory);

    QWidget* owner_;
    QString start_directory_;
    FileDialogMemory open_;
    FileDialogMemory save_;
};

}  // namespace rw::ui
