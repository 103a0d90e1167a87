#include "ui/file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <algorithm>

namespace rw::ui {

QString QtNameFilter(const QString& filter) {
    return filter.section(QLatin1Char('|'), 0, 0);
}

QString BareSuffix(const QString& extension) {
    QString suffix = extension;
    while (suffix.startsWith(QLatin1Char('*')) || suffix.startsWith(QLatin1Char('.'))) {
        suffix.remove(0, 1);
    }
    return suffix;
}

QtFileDialogs::QtFileDialogs(QWidget* owner, QString start_directory)
    : owner_(owner), start_directory_(std::move(start_directory)) {}

std::optional<QString> QtFileDialogs::Open(const FileDialogRequest& request) {
    return Run(request, false, open_);
}

std::optional<QString> QtFileDialogs::Save(const FileDialogRequest& request) {
    return Run(request, true, save_);
}

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogRequest& request, bool save,
                         FileDialogMemory& memory, const QString& start_directory) {
    if (request.default_suffix) memory.default_suffix = BareSuffix(*request.default_suffix);
    dialog.setWindowTitle(request.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Like the rest of the program, the dialogs ask nothing: an existing name is taken as it is.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QtNameFilter(request.filter));
    dialog.setDefaultSuffix(memory.default_suffix);
    const QString offered =
        request.suggested_path.isEmpty() ? memory.last_path : request.suggested_path;
    if (offered.isEmpty()) {
        dialog.setDirectory(start_directory);
        return;
    }
    const QFileInfo last(offered);
    dialog.setDirectory(last.absolutePath());
    // A font-file dialog never offers a fullflash's name: one Return would read or replace it.
    if (!request.name_extension.isEmpty() &&
        !last.fileName().endsWith(request.name_extension, Qt::CaseInsensitive)) {
        return;
    }
    dialog.selectFile(last.fileName());
}

std::optional<QString> QtFileDialogs::Run(const FileDialogRequest& request, bool save,
                                          FileDialogMemory& memory) {
    QFileDialog dialog(owner_);
    ConfigureFileDialog(dialog, request, save, memory, start_directory_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // The window remembers the file for the dialog of its kind and offers it there: a file of
    // another kind never comes back here.
    return dialog.selectedFiles().constFirst();
}

int TitleBarWidth(const QString& title) {
    // A window manager draws the title in its own, often larger and bold, font, beside the icon
    // and the buttons of the title bar; the room for those is generous on purpose.
    constexpr int kTitleBarButtons = 120;
    QFont font = QApplication::font();
    font.setPointSizeF(std::max(font.pointSizeF(), 11.0));
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarButtons;
}

// A message box sizes itself by its text, and a window manager cuts a title wider than the box
// ("Имп... фта"): a spacer across the box's grid keeps it as wide as its title needs.
void FitTitle(QMessageBox& box, const QString& title) {
    box.setWindowTitle(title);
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) return;
    grid->addItem(
        new QSpacerItem(TitleBarWidth(title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
        grid->rowCount(), 0, 1, grid->columnCount());
}

void ConfigureErrorBox(QMessageBox& box, const QString& message) {
    box.setIcon(QMessageBox::Critical);
    FitTitle(box, QStringLiteral("Runewright"));
    box.setTextFormat(Qt::PlainText);
    box.setText(message);
    box.setStandardButtons(QMessageBox::Ok);
}

void QtFileDialogs::ShowError(const QString& message) {
    QMessageBox box(owner_);
    ConfigureErrorBox(box, message);
    box.exec();
}

void ConfigureWarningBox(QMessageBox& box, const QString& message) {
    ConfigureErrorBox(box, message);
    box.setIcon(QMessageBox::Warning);
}

void QtFileDialogs::ShowWarning(const QString& message) {
    QMessageBox box(owner_);
    ConfigureWarningBox(box, message);
    box.exec();
}

bool QtFileDialogs::Ask(const QString& question, const QString& go_on, const QString& stop) {
    QMessageBox box(owner_);
    ConfigureWarningBox(box, question);
    box.setStandardButtons(QMessageBox::NoButton);
    QPushButton* yes = box.addButton(go_on, QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(stop, QMessageBox::RejectRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

TwoWays QtFileDialogs::AskTwoWays(const QString& question, const QString& go_on,
                                  const QString& other, const QString& stop) {
    QMessageBox box(owner_);
    ConfigureWarningBox(box, question);
    box.setStandardButtons(QMessageBox::NoButton);
    QPushButton* first = box.addButton(go_on, QMessageBox::AcceptRole);
    QPushButton* second = box.addButton(other, QMessageBox::DestructiveRole);
    QPushButton* no = box.addButton(stop, QMessageBox::RejectRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    if (box.clickedButton() == first) return TwoWays::GoOn;
    if (box.clickedButton() == second) return TwoWays::Other;
    return TwoWays::Stop;
}

void ConfigureNoticeBox(QMessageBox& box, const QString& title, const QString& message) {
    box.setIcon(QMessageBox::Information);
    box.setTextFormat(Qt::PlainText);
    box.setText(message);
    box.setStandardButtons(QMessageBox::Ok);
    FitTitle(box, title);
}

void QtFileDialogs::ShowNotice(const QString& title, const QString& message) {
    QMessageBox box(owner_);
    ConfigureNoticeBox(box, title, message);
    box.exec();
}

}  // namespace rw::ui
