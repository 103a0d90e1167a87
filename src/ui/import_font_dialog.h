#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>
#include <optional>

#include "edition/texts.h"
#include "editor/glyph_import.h"
#include "fontimport/import_faces.h"
#include "model/font_image.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace rw::ui {

// What the import dialog previews on: the font as it is, where an import would go, and the
// block the window shows.
struct ImportDialogContext {
    FontImportTarget target;
    FontImage font;
    int block = 0;
    Language language = kRussian;
};

// "Импорт из шрифта...": an installed family (or any font file), its style, the pixel size, the
// baseline row and where bold comes from, with the current block as it would come out at 3x.
class ImportFontDialog : public QDialog {
    Q_OBJECT

  public:
    using FileChooser = std::function<std::optional<QString>()>;
    ImportFontDialog(ImportDialogContext context, FileChooser choose_file,
                     QWidget* parent = nullptr);

    // The import the values describe.
    FontImportRequest Request() const;
    // The preview as last drawn; null when the font could not be opened.
    const QImage& PreviewImage() const { return preview_image_; }
    // Why the preview is empty, or an empty text.
    QString PreviewProblem() const;
    // How many characters the import would clip or miss, as the dialog shows it.
    QString ProblemCounts() const;

    QComboBox* families() const { return families_; }
    QComboBox* styles() const { return styles_; }
    QSpinBox* pixel_size() const { return size_; }
    QSpinBox* baseline() const { return baseline_; }
    QComboBox* bold() const { return bold_; }
    QPushButton* file_button() const { return file_button_; }

  private:
    void FamilyChosen();
    void ChooseFile();
    void FaceChanged();
    void UpdatePreview();
    QString T(UiText id) const;

    ImportDialogContext context_;
    FileChooser choose_file_;
    QString file_;  // a font file chosen instead of a family
    bool baseline_edited_ = false;
    QImage preview_image_;

    QComboBox* families_ = nullptr;
    QComboBox* styles_ = nullptr;
    QSpinBox* size_ = nullptr;
    QSpinBox* baseline_ = nullptr;
    QComboBox* bold_ = nullptr;
    QPushButton* file_button_ = nullptr;
    QLabel* file_label_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* problems_ = nullptr;
};

}  // namespace rw::ui
