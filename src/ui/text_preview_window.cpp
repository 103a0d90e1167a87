#include "ui/text_preview_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "edition/texts.h"
#include "ui/qt_conversions.h"

namespace rw::ui {
namespace {

// A long line is no use on a phone screen; the bound keeps every redraw quick.
constexpr int kMaxTextLength = 1000;

QSpinBox* AddSpinBox(QHBoxLayout* row, QLabel* label, const char* name, int max, int value) {
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(1, max);
    box->setValue(value);
    label->setBuddy(box);
    row->addWidget(label);
    row->addWidget(box);
    return box;
}

}  // namespace

TextPreviewWindow::TextPreviewWindow(Edition edition, QWidget* parent)
    : QWidget(parent, Qt::Window), edition_(edition) {
    setObjectName(QStringLiteral("TextPreview"));
    font_.edition = edition;
    font_.working_slot = {-1, -1};

    text_ = new QLineEdit(Q(DefaultPreviewText(edition)));
    text_->setObjectName(QStringLiteral("PreviewText"));
    text_->setMaxLength(kMaxTextLength);
    bold_ = new QCheckBox;
    bold_->setObjectName(QStringLiteral("PreviewBold"));
    scale_label_ = new QLabel;
    wrap_label_ = new QLabel;
    auto* options = new QHBoxLayout;
    options->addWidget(bold_);
    options->addSpacing(12);
    scale_ =
        AddSpinBox(options, scale_label_, "PreviewScale", kMaxPreviewScale, kDefaultPreviewScale);
    options->addSpacing(12);
    wrap_ = AddSpinBox(options, wrap_label_, "PreviewWrapWidth", kMaxWrapWidth, kDefaultWrapWidth);
    options->addStretch();

    picture_label_ = new QLabel;
    picture_label_->setObjectName(QStringLiteral("PreviewPicture"));
    picture_label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* scroll = new QScrollArea;
    scroll->setWidget(picture_label_);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Base);
    missing_ = new QLabel;
    missing_->setObjectName(QStringLiteral("PreviewMissing"));
    missing_->setTextFormat(Qt::PlainText);
    missing_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(options);
    layout->addWidget(scroll, 1);
    layout->addWidget(missing_);
    resize(440, 240);

    connect(text_, &QLineEdit::textChanged, this, &TextPreviewWindow::Redraw);
    connect(bold_, &QCheckBox::toggled, this, &TextPreviewWindow::Redraw);
    connect(scale_, &QSpinBox::valueChanged, this, &TextPreviewWindow::Redraw);
    connect(wrap_, &QSpinBox::valueChanged, this, &TextPreviewWindow::Redraw);
    SetLanguage(kRussian);
}

void TextPreviewWindow::ShowFont(const PreviewFont& font) {
    font_ = font;
    // A font with one weight has no bold to show.
    bold_->setEnabled(!font.single_weight);
    Redraw();
}

void TextPreviewWindow::SetLanguage(Language language) {
    if (language == language_) return;
    language_ = language;
    auto text = [&](UiText id) { return Q(Text(id, language, edition_)); };
    setWindowTitle(text(UiText::TextPreviewCaption));
    bold_->setText(text(UiText::PreviewBold));
    scale_label_->setText(text(UiText::PreviewScale));
    wrap_label_->setText(text(UiText::PreviewWrapWidth));
    Redraw();
}

QString TextPreviewWindow::MissingText() const {
    return missing_->text();
}

void TextPreviewWindow::Redraw() {
    if (font_.font == nullptr) return;
    const PreviewOptions options{.bold = bold_->isChecked(), .wrap_width = wrap_->value()};
    const TextPicture set = SetText(text_->text().toStdU32String(), font_, options);
    picture_ = ToQImage(ScaledPicture(set, scale_->value()));
    picture_label_->setPixmap(QPixmap::fromImage(picture_));

    QStringList notes;
    if (!set.missing.empty()) {
        QString listed;
        for (char32_t c : set.missing) listed += QLatin1Char(' ') + QString::fromUcs4(&c, 1);
        notes << Q(Text(UiText::PreviewMissing, language_.value_or(kRussian), edition_)) + listed;
    }
    if (set.cut) notes << Q(Text(UiText::PreviewCut, language_.value_or(kRussian), edition_));
    missing_->setText(notes.join(QLatin1Char('\n')));
}

}  // namespace rw::ui
