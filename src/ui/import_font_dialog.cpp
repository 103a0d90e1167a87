#include "ui/import_font_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "edition/texts.h"
#include "editor/font_sheet.h"
#include "fontimport/font_finder.h"
#include "ui/qt_conversions.h"

namespace rw::ui {
namespace {

constexpr int kPreviewScale = 3;
constexpr int kMaxPixelSize = 64;
// The dialog fits beside the main window on a small screen with its buttons: the preview wraps
// into lines, and long names wrap or shorten.
constexpr int kMaxDialogWidth = 1000;
constexpr int kMaxPreviewWidth = 920;
constexpr int kFamilyNameLength = 28;

}  // namespace

ImportFontDialog::ImportFontDialog(ImportDialogContext context, FileChooser choose_file,
                                   QWidget* parent)
    : QDialog(parent), context_(std::move(context)), choose_file_(std::move(choose_file)) {
    setObjectName(QStringLiteral("ImportFontDialog"));
    setWindowTitle(T(UiText::ImportFontTitle));
    setMaximumWidth(kMaxDialogWidth);
    const GlyphCell cell = context_.target.cell;

    families_ = new QComboBox(this);
    families_->setObjectName(QStringLiteral("Families"));
    families_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    families_->setMinimumContentsLength(kFamilyNameLength);
    for (const std::string& family : InstalledFamilies())
        families_->addItem(QString::fromStdString(family));
    file_button_ = new QPushButton(T(UiText::ImportFileButton), this);
    file_button_->setObjectName(QStringLiteral("FileButton"));
    file_label_ = new QLabel(this);
    file_label_->setWordWrap(true);
    file_label_->setTextFormat(Qt::PlainText);
    styles_ = new QComboBox(this);
    styles_->setObjectName(QStringLiteral("Styles"));
    size_ = new QSpinBox(this);
    size_->setObjectName(QStringLiteral("PixelSize"));
    size_->setRange(1, kMaxPixelSize);
    size_->setValue(cell.last_row + 1);
    baseline_ = new QSpinBox(this);
    baseline_->setObjectName(QStringLiteral("Baseline"));
    baseline_->setRange(1, cell.last_row);
    bold_ = new QComboBox(this);
    bold_->setObjectName(QStringLiteral("Bold"));
    bold_->addItem(T(UiText::ImportBoldFace));
    bold_->addItem(T(UiText::ImportEmbolden));
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("Preview"));
    preview_->setMinimumHeight((cell.last_row + 1) * kPreviewScale);
    preview_->setWordWrap(true);
    preview_->setTextFormat(Qt::PlainText);
    problems_ = new QLabel(this);
    problems_->setObjectName(QStringLiteral("ImportProblems"));
    problems_->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(T(UiText::ImportFontLabel), families_);
    form->addRow(file_button_, file_label_);
    form->addRow(T(UiText::ImportStyleLabel), styles_);
    form->addRow(T(UiText::ImportSizeLabel), size_);
    form->addRow(T(UiText::ImportBaselineLabel), baseline_);
    form->addRow(T(UiText::ImportBoldLabel), bold_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("Buttons"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(preview_);
    layout->addWidget(problems_);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(families_, &QComboBox::currentIndexChanged, this, &ImportFontDialog::FamilyChosen);
    connect(file_button_, &QPushButton::clicked, this, &ImportFontDialog::ChooseFile);
    connect(styles_, &QComboBox::currentIndexChanged, this, &ImportFontDialog::FaceChanged);
    connect(size_, &QSpinBox::valueChanged, this, &ImportFontDialog::FaceChanged);
    connect(baseline_, &QSpinBox::valueChanged, this, [this] {
        baseline_edited_ = true;
        UpdatePreview();
    });
    connect(bold_, &QComboBox::currentIndexChanged, this, &ImportFontDialog::UpdatePreview);

    const int dejavu = families_->findText(QStringLiteral("DejaVu Sans"));
    if (dejavu >= 0) families_->setCurrentIndex(dejavu);
    FamilyChosen();
}

QString ImportFontDialog::T(UiText id) const {
    return Q(Text(id, context_.language));
}

void ImportFontDialog::FamilyChosen() {
    file_.clear();
    file_label_->clear();
    const QSignalBlocker blocker(styles_);
    styles_->clear();
    for (const std::string& style : FamilyStyles(families_->currentText().toStdString()))
        styles_->addItem(QString::fromStdString(style));
    for (const char* upright : {"Regular", "Book", "Medium", "Normal"}) {
        const int i = styles_->findText(QLatin1String(upright));
        if (i >= 0) {
            styles_->setCurrentIndex(i);
            break;
        }
    }
    FaceChanged();
}

void ImportFontDialog::ChooseFile() {
    const std::optional<QString> path = choose_file_ ? choose_file_() : std::nullopt;
    if (!path) return;
    file_ = *path;
    file_label_->setText(file_);
    FaceChanged();
}

// A new face or size suggests its own baseline, unless the user set one.
void ImportFontDialog::FaceChanged() {
    styles_->setEnabled(file_.isEmpty());
    if (!baseline_edited_) {
        FontImportRequest request = Request();
        request.baseline.reset();
        ImportFaces faces;
        if (OpenImportFaces(request, context_.target.cell, faces).ok()) {
            const QSignalBlocker blocker(baseline_);
            baseline_->setValue(faces.baseline);
        }
    }
    UpdatePreview();
}

FontImportRequest ImportFontDialog::Request() const {
    FontImportRequest request;
    request.font = file_.isEmpty() ? FontPattern(families_->currentText().toStdString(),
                                                 styles_->currentText().toStdString())
                                   : file_.toStdString();
    request.embolden = bold_->currentIndex() == 1;
    request.pixel_size = size_->value();
    request.baseline = baseline_->value();
    return request;
}

QString ImportFontDialog::PreviewProblem() const {
    ImportFaces faces;
    const Status status = OpenImportFaces(Request(), context_.target.cell, faces);
    return Q(status.Line(context_.language));
}

QString ImportFontDialog::ProblemCounts() const {
    return problems_->text();
}

// The block the window shows, as the import would draw it even outside the load scope, and
// what the import of the scope would clip or miss.
void ImportFontDialog::UpdatePreview() {
    ImportFaces faces;
    if (!OpenImportFaces(Request(), context_.target.cell, faces).ok()) {
        preview_image_ = QImage();
        preview_->setPixmap(QPixmap());
        preview_->setText(PreviewProblem());
        problems_->clear();
        return;
    }
    FontImage imported = context_.font;
    const FontImportReport report = ImportFontGlyphs(context_.target, *faces.normal,
                                                     faces.bold.get(), faces.baseline, imported);
    problems_->setText(Q(Render(CountImportProblems(report), context_.language)));

    FontImportTarget shown = context_.target;
    shown.blocks = BlockSet{context_.block};
    shown.single_weight = false;
    FontImage font = context_.font;
    ImportFontGlyphs(shown, *faces.normal, faces.bold.get(), faces.baseline, font);
    const FontSheetGeometry geometry = FontSheetGeometry::Of(shown.edition, shown.cell);
    preview_image_ = ToQImage(
        PaintBlockPreview(font, geometry, kPreviewScale, context_.block, kMaxPreviewWidth));
    preview_->setPixmap(QPixmap::fromImage(preview_image_));
}

}  // namespace rw::ui
