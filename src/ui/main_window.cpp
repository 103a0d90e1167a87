#include "ui/main_window.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStatusTipEvent>

#include "ui/button_tables.h"
#include "ui/form_geometry.h"
#include "ui/grid_widget.h"
#include "ui/image_button.h"
#include "ui/main_window_menus.h"
#include "ui/qt_conversions.h"
#include "ui/settings_store.h"
#include "ui/speed_button.h"
#include "ui/thumbnail.h"
#include "ui/thumbnail_strip.h"
#include "ui/zoom_area.h"

namespace rw::ui {
namespace {

namespace geo = geometry;

// The controls are made here and placed by the caller: most by their rectangle (ScaledPlaces),
// the pictures and what lies on them in picture pixels (PlacePictures).
template <typename Panel = QFrame>
Panel* MakePanel(QWidget* parent, const char* name, QFrame::Shadow bevel) {
    auto* panel = new Panel(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | bevel);
    panel->setLineWidth(1);
    return panel;
}

QFrame* MakePlainPanel(QWidget* parent, const QString& name, const QColor& colour) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::NoFrame);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    return panel;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setText(text);
    return label;
}

// Names of the row labels: Label1 .. Label13 for rows 0..12, Label16 .. Label18 for 13..15.
QString RowLabelName(int row) {
    return QStringLiteral("Label%1").arg(row < 13 ? row + 1 : row + 3);
}

// Names of the thumbnail markers: Panel110, 111, 112, then 114 .. 144; the Latin edition's
// markers over PaintBox35 .. PaintBox37 are Panel154, Panel153, Panel152.
QString MarkerName(int slot) {
    if (slot < 3) return QStringLiteral("Panel%1").arg(110 + slot);
    if (slot < 34) return QStringLiteral("Panel%1").arg(111 + slot);
    return QStringLiteral("Panel%1").arg(154 - (slot - 34));
}

}  // namespace

TForm1::TForm1(Edition edition, QWidget* parent)
    : QMainWindow(parent),
      editor_(edition),
      files_(editor_, SystemFileSystem(), &pictures_, &faces_),
      dialogs_(std::make_unique<QtFileDialogs>(this, QDir::currentPath())),
      arrows_(ArrowPictures::Make()),
      menus_(std::make_unique<Menus>()) {
    setObjectName(QStringLiteral("Form1"));
    setAcceptDrops(true);
    files_.SetReadProgress([this](double done) { return ReportReadProgress(done); });
    qt_translations_.Use(editor_.state().language);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(WindowIcon());
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    zoom_area_ = new ZoomArea(client_, this);
    zoom_area_->SetClientSize(ToQSize(geo::ClientSize(edition)));
    setCentralWidget(zoom_area_);
    BuildMenus();
    BuildRowLabels();
    BuildGrid();
    BuildThumbnailPanel();
    BuildSetButtons();
    BuildLetterPanel();
    BuildClipboardPanel();
    BuildShortcuts();
    OrderTabs();
    FormCreate();
    PlacePictures();
    BuildZoom();
    PlaceOnScreen();
}

// The grid tells of the focus it loses while the window's children are deleted, after the
// session is gone: nothing may answer it then.
TForm1::~TForm1() {
    disconnect(grid_, nullptr, this, nullptr);
}

void TForm1::SetFileDialogs(std::unique_ptr<FileDialogs> dialogs) {
    dialogs_ = std::move(dialogs);
}

void TForm1::SetInfoWindows(InfoWindow* help, InfoWindow* history, InfoWindow* about) {
    help_window_ = help;
    history_window_ = history;
    about_window_ = about;
}

// The editor already holds the start values; the window shows them.
void TForm1::FormCreate() {
    ShowTexts();
    Refresh();
}

void TForm1::PlaceOnScreen() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
}

void TForm1::BuildRowLabels() {
    QFrame* panel = MakePanel(client_, "Panel108", QFrame::Raised);
    places_.Put(panel, geo::kPanel108);
    for (int row = 0; row < 16; ++row) {
        row_labels_[row] =
            MakeLabel(panel, RowLabelName(row), QStringLiteral("00"), Qt::AlignCenter);
    }
}

void TForm1::BuildGrid() {
    grid_ = new GridWidget(client_);
    grid_->setObjectName(QStringLiteral("EditGrid"));
    connect(grid_, &GridWidget::CellPressed, this, &TForm1::Panel1MouseDown);
    connect(grid_, &GridWidget::CellDragged, this, &TForm1::Panel1MouseMove);
    connect(grid_, &GridWidget::StrokeEnded, this, &TForm1::Panel1MouseUp);
    connect(grid_, &GridWidget::KeyRunEnded, this,
            [this] { Run([](Session& s) { s.EndCursorRun(); }); });
}

void TForm1::BuildThumbnailPanel() {
    strip_ = MakePanel<ThumbnailStrip>(client_, "Panel106", QFrame::Raised);
    places_.Put(strip_, geo::kPanel106);
    QFrame* panel = strip_;
    panel_offcet_ = MakePanel(panel, "PanelOffcet", QFrame::Sunken);
    places_.Put(panel_offcet_, geo::kPanelOffcet);
    label_offcet_ = MakeLabel(panel_offcet_, QStringLiteral("LabelOffcet"), QString());
    places_.Put(label_offcet_, geo::kLabelOffcet);
    BuildThumbnails(panel);
    BuildCovers(panel);
}

void TForm1::BuildThumbnails(QWidget* panel) {
    const int count = SlotCount(editor_.edition());
    for (int slot = 0; slot < count; ++slot) {
        auto* thumbnail = new Thumbnail(slot, panel);
        thumbnail->setObjectName(QStringLiteral("PaintBox%1").arg(slot + 1));
        connect(thumbnail, &Thumbnail::MouseDown, this, &TForm1::PaintBox1MouseDown);
        thumbnails_[slot] = thumbnail;
    }
    // The markers hide row 0, which holds the width and not pixels.
    for (int slot = 0; slot < count; ++slot)
        markers_[slot] = MakePlainPanel(panel, MarkerName(slot), Qt::white);
    const QColor orange(255, 128, 0);
    const char* names[4] = {"LabelBackLeft", "LabelBackTop", "LabelBackRight", "LabelBackBottom"};
    for (int i = 0; i < 4; ++i) {
        frame_[i] = MakeLabel(panel, QLatin1String(names[i]), QString());
        frame_[i]->setAutoFillBackground(true);
        QPalette palette = frame_[i]->palette();
        palette.setColor(QPalette::Window, orange);
        frame_[i]->setPalette(palette);
    }
}

void TForm1::BuildCovers(QWidget* panel) {
    if (editor_.edition() == Edition::Cyrillic) {
        const QImage sign = ProhibitionSign(palette().color(QPalette::Window));
        auto make = [&](const char* name, geo::Rect rect, const char* image_name, QLabel** image) {
            QFrame* cover = MakePanel(panel, name, QFrame::Raised);
            places_.Put(cover, rect);
            *image = MakeLabel(cover, QLatin1String(image_name), QString());
            places_.Put(*image, {1, 1, 18, 18});
            (*image)->setScaledContents(true);
            (*image)->setPixmap(QPixmap::fromImage(sign));
            return cover;
        };
        panel_yo1_ = make("Panel_YO1", geo::kPanelYo1Rect, "Image2", &image2_);
        panel_yo2_ = make("Panel_YO2", geo::kPanelYo2Rect, "Image1", &image1_);
        return;
    }
    const QColor face = palette().color(QPalette::Window);
    panel_close1_ = MakePlainPanel(panel, QStringLiteral("PanelClose1"), face);
    places_.Put(panel_close1_, geo::kPanelClose1Rect);
    panel_close2_ = MakePlainPanel(panel, QStringLiteral("PanelClose2"), face);
    places_.Put(panel_close2_, geo::kPanelClose2Rect);
}

void TForm1::BuildSetButtons() {
    const Edition edition = editor_.edition();
    for (int set = 0; set < SetCount(edition); ++set) {
        const SetButtonRow& row = kSetButtonRows[set];
        auto* button = new SpeedButton(client_);
        button->setObjectName(QLatin1String(row.name));
        places_.Put(button, geo::SetButtonRect(edition, set));
        button->setText(Q(edition == Edition::Latin ? row.latin_caption : row.cyrillic_caption));
        set_buttons_[set] = button;
    }
    connect(set_buttons_[0], &SpeedButton::MouseDown, this, &TForm1::SpeedButton2MouseDown);
    connect(set_buttons_[1], &SpeedButton::MouseDown, this, &TForm1::SpeedButton3MouseDown);
    if (edition == Edition::Latin) {
        connect(set_buttons_[2], &SpeedButton::MouseDown, this, &TForm1::SpeedButton4MouseDown);
        connect(set_buttons_[3], &SpeedButton::MouseDown, this, &TForm1::SpeedButton5MouseDown);
    }
    bold_button_ = new SpeedButton(client_);
    bold_button_->setObjectName(QStringLiteral("SpeedButton1"));
    places_.Put(bold_button_, geo::BoldButtonRect(edition));
    bold_button_->setText(QStringLiteral("B"));
    QFont bold = bold_button_->font();
    bold.setBold(true);
    bold_button_->setFont(bold);
    connect(bold_button_, &SpeedButton::MouseDown, this, &TForm1::SpeedButton1MouseDown);
}

void TForm1::BuildLetterPanel() {
    QFrame* panel = MakePanel(client_, "Panel107", QFrame::Raised);
    places_.Put(panel, geo::kPanel107);
    label14_ = MakeLabel(panel, QStringLiteral("Label14"), QString());
    places_.Put(label14_, geo::kLabel14);
    label15_ = MakeLabel(panel, QStringLiteral("Label15"), QStringLiteral("-"));
    places_.Put(label15_, geo::kLabel15);
    label00_ = MakeLabel(panel, QStringLiteral("Label00"), QString());
    places_.Put(label00_, geo::kLabel00);
    label0_ = MakeLabel(panel, QStringLiteral("Label0"), QStringLiteral("-"));
    places_.Put(label0_, geo::kLabel0);
    QFont bold = label0_->font();
    bold.setBold(true);
    label0_->setFont(bold);

    QFrame* frame = MakePlainPanel(panel, QStringLiteral("Panel105"), Qt::white);
    places_.Put(frame, geo::kPanel105);
    paint_box_edit_ = new Thumbnail(-1, frame);
    paint_box_edit_->setObjectName(QStringLiteral("PaintBoxEdit"));
    panel109_ = MakePlainPanel(frame, QStringLiteral("Panel109"), Qt::white);
    BuildShiftButtons(panel);

    button1_ = new QPushButton(panel);
    button1_->setObjectName(QStringLiteral("Button1"));
    places_.Put(button1_, geo::kButton1);
    connect(button1_, &QPushButton::clicked, this, &TForm1::Button1Click);
}

void TForm1::BuildShiftButtons(QWidget* panel) {
    for (size_t i = 0; i < shift_buttons_.size(); ++i) {
        const ShiftButtonRow& row = kShiftButtonRows[i];
        auto* button = new TImageIO(panel);
        button->setObjectName(QLatin1String(row.name));
        button->SetPicture(arrows_.*row.at_rest);
        connect(button, &TImageIO::OnMouseDown, this, &TForm1::ImageIOMouseDown);
        connect(button, &TImageIO::OnMouseOut, this, &TForm1::ImageIOMouseOut);
        connect(button, &TImageIO::OnMouseIn, this, &TForm1::ImageIOMouseIn);
        shift_buttons_[i] = button;
    }
}

void TForm1::BuildClipboardPanel() {
    QFrame* panel = MakePanel(client_, "Panel113", QFrame::Sunken);
    places_.Put(panel, geo::kPanel113);
    void (TForm1::*handlers[4])() = {&TForm1::Button8Click, &TForm1::Button9Click,
                                     &TForm1::Button10Click, &TForm1::Button11Click};
    for (size_t i = 0; i < clipboard_buttons_.size(); ++i) {
        auto* button = new QPushButton(panel);
        button->setObjectName(QLatin1String(kClipboardButtonRows[i].name));
        places_.Put(button, geo::ClipboardButtonRect(static_cast<int>(i)));
        connect(button, &QPushButton::clicked, this, handlers[i]);
        clipboard_buttons_[i] = button;
    }
}

// The thumbnail strip and the grid come first; the buttons keep the order they had.
void TForm1::OrderTabs() {
    QWidget::setTabOrder(strip_, grid_);
}

// ---------------------------------------------------------------------------------------------
// Activation and the status line

bool TForm1::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::StatusTip:
            ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
            return true;
        case QEvent::WindowActivate:
            FormActivate();
            break;
        default:
            break;
    }
    return QMainWindow::event(event);
}

// A window manager may never activate the window (or only later); the first showing counts as
// the first activation, so the letters are on screen from the start.
void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FormActivate();
}

// The window became active; only the first time changes anything.
void TForm1::FormActivate() {
    Run([](Session& s) { s.Activate(); });
}

// The pointer rests on a control: its hint goes to the status line.
void TForm1::ShowHint(const QString& hint) {
    label_offcet_->setText(hint);
    FitStatusLine();
}

// A text wider than the status line is never cut: the line takes a second one while it shows
// such a text, and is one line high again for the next text that fits.
void TForm1::FitStatusLine() {
    const QString hint = label_offcet_->text();
    const bool two_lines = label_offcet_->fontMetrics().horizontalAdvance(hint) >
                           places_.At(geo::kLabelOffcet).width();
    places_.Move(panel_offcet_, two_lines ? geo::kPanelOffcetTwoLines : geo::kPanelOffcet);
    places_.Move(label_offcet_, two_lines ? geo::kLabelOffcetTwoLines : geo::kLabelOffcet);
    label_offcet_->setWordWrap(two_lines);
    // A name too long even for two lines can still be read whole.
    label_offcet_->setToolTip(two_lines ? hint : QString());
}

}  // namespace rw::ui
