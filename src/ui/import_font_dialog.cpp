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

QImage ToQImage(const RgbImage& image) {
    return QImage(image.rgb.data(), image.width, image.height, image.width * 3,
                  QImage::Format_RGB888)
        .copy();
}

}  // namespace

ImportFontDialog::ImportFontDialog(ImportDialogContext context, FileChooser choose_file,
                                   QWidget* parent)
    : QDialog(parent), context_(std::move(context)), choose_file_(std::move(choose_file)) {
    setObjectName(QStringLiteral("ImportFontDialog"));
    setWindowTitle(Q(Text(UiText::ImportFontTitle, context_.language)));
    const GlyphCell cell = context_.target.cell;

    families_ = new QComboBox(this);
    families_->setObjectName(QStringLiteral("Families"));
    for (const std::string& family : InstalledFamilies())
        families_->addItem(QString::fromStdString(family));
    file_button_ = new QPushButton(Tr("Файл...", "File..."), this);
    file_button_->setObjectName(QStringLiteral("FileButton"));
    file_label_ = new QLabel(this);
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
    bold_->addItem(Tr("жирное начертание семейства", "the family's bold face"));
    bold_->addItem(Tr("утолщить", "embolden"));
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("Preview"));
    preview_->setMinimumHeight((cell.last_row + 1) * kPreviewScale);

    auto* form = new QFormLayout;
    form->addRow(Tr("Шрифт", "Font"), families_);
    form->addRow(file_button_, file_label_);
    form->addRow(Tr("Начертание", "Style"), styles_);
    form->addRow(Tr("Размер, пикселей", "Size, pixels"), size_);
    form->addRow(Tr("Строка базовой линии", "Baseline row"), baseline_);
    form->addRow(Tr("Жирный", "Bold"), bold_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(preview_);
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

QString ImportFontDialog::Tr(const char* russian, const char* english) const {
    return Q(context_.language == kEnglish ? english : russian);
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
    return QString::fromStdString(status.Message());
}

void ImportFontDialog::UpdatePreview() {
    ImportFaces faces;
    if (!OpenImportFaces(Request(), context_.target.cell, faces).ok()) {
        preview_image_ = QImage();
        preview_->setPixmap(QPixmap());
        preview_->setText(PreviewProblem());
        return;
    }
    FontImportTarget target = context_.target;
    target.blocks = BlockSet{context_.block};
    target.single_weight = false;
    FontImage font = context_.font;
    ImportFontGlyphs(target, *faces.normal, faces.bold.get(), faces.baseline, font);
    const FontSheetGeometry geometry = FontSheetGeometry::Of(target.edition, target.cell);
    preview_image_ = ToQImage(PaintFontSheet(font, geometry, kPreviewScale, context_.block, 1));
    preview_->setPixmap(QPixmap::fromImage(preview_image_));
}

}  // namespace rw::ui
