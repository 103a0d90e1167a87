#pragma once

#include <QWidget>
#include <optional>

#include "editor/text_preview.h"
#include "model/edition.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace rw::ui {

// "Просмотр текста": a line of text set in the current font as the phone shows it, with its real
// widths. Not modal: it stays open beside the main window, which hands it the font after every
// change. Everything it draws comes from the core's SetText.
class TextPreviewWindow : public QWidget {
    Q_OBJECT

  public:
    TextPreviewWindow(Edition edition, QWidget* parent = nullptr);

    // The font to set the text in, with the glyph being edited; redraws. The font must stay
    // alive until the next call.
    void ShowFont(const PreviewFont& font);
    void SetLanguage(Language language);

    // The picture as drawn, and the text under it that lists the characters without a glyph.
    QImage Picture() const { return picture_; }
    QString MissingText() const;

  private:
    void Redraw();

    Edition edition_;
    std::optional<Language> language_;  // none until the first SetLanguage
    PreviewFont font_;
    QImage picture_;
    QLineEdit* text_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QLabel* scale_label_ = nullptr;
    QSpinBox* scale_ = nullptr;
    QLabel* wrap_label_ = nullptr;
    QSpinBox* wrap_ = nullptr;
    QLabel* picture_label_ = nullptr;
    QLabel* missing_ = nullptr;
};

}  // namespace rw::ui
