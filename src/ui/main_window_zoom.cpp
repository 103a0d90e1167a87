// "Сервис" → "Масштаб": the window drawn at a zoom from the geometry table, resizable, and a
// zoom that follows the window's size.
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>
#include <span>

#include "edition/texts.h"
#include "ui/button_tables.h"
#include "ui/form_geometry.h"
#include "ui/grid_widget.h"
#include "ui/image_button.h"
#include "ui/main_window.h"
#include "ui/main_window_menus.h"
#include "ui/qt_conversions.h"
#include "ui/thumbnail.h"
#include "ui/zoom_area.h"

namespace rw::ui {
namespace {

namespace geo = geometry;

// A font of the window definition at a zoom; the window's fonts are set in pixels.
QFont ScaledFont(const QFont& base, Zoom zoom) {
    QFont font = base;
    if (base.pixelSize() > 0) {
        font.setPixelSize(Scaled(base.pixelSize(), zoom));
    } else {
        font.setPointSizeF(base.pointSizeF() * zoom.percent / 100.0);
    }
    return font;
}

}  // namespace

void TForm1::BuildZoom() {
    menu_bar_height_ = menuBar()->sizeHint().height();
    connect(zoom_area_, &ZoomArea::Resized, this, &TForm1::FitZoom);
    ShowZoomChecks();
}

// A level is kept until another is chosen; "По размеру окна" takes the largest level that fits
// the window as it is now and follows every change of its size.
void TForm1::ChooseZoom(ZoomChoice choice) {
    zoom_choice_ = choice;
    zoom_area_->SetFitting(choice.fit, ToQSize(geo::ClientSize(editor_.edition())));
    if (choice.fit) {
        FitZoom(zoom_area_->size());
    } else {
        ApplyZoom(choice.level);
        // A window the user has not maximised takes the size of its contents.
        if (!isMaximized() && !isFullScreen()) adjustSize();
    }
    ShowZoomChecks();
    RememberSettings();
}

// The keys step through the listed levels from the zoom on screen and leave fitting.
void TForm1::StepZoom(int step) {
    ChooseZoom({SteppedZoom(zoom(), step), false});
}

// The menu bar grows with the zoom too: the space counted is the window's below the title, and
// each level asks for its own menu bar as well as its client area.
void TForm1::FitZoom(QSize area) {
    if (!zoom_choice_.fit) return;
    const geo::Size client = geo::ClientSize(editor_.edition());
    const int height = area.height() + menuBar()->height();
    const Zoom fitting =
        LargestZoomThatFits(client.width, client.height + menu_bar_height_, area.width(), height);
    if (fitting == zoom()) return;
    zoom_choice_.level = fitting;
    ApplyZoom(fitting);
}

void TForm1::ApplyZoom(Zoom zoom) {
    if (zoom == places_.zoom()) return;
    places_.SetZoom(zoom);
    zoom_area_->SetClientSize(ToQSize(geo::ClientSize(editor_.edition(), zoom)));
    ScaleFonts(zoom);
    PlacePictures();
    // The status line's font scaled with the rest: whether a text needs two lines is asked anew.
    FitStatusLine();
}

// At 100 % the controls take the application's font as they always did; at any other zoom the
// window's own font, scaled. Menus are windows of their own and take it one by one.
void TForm1::ScaleFonts(Zoom zoom) {
    const bool plain = zoom == kZoomLevels.front();
    const QFont scaled = ScaledFont(font(), zoom);
    client_->setFont(plain ? QFont() : scaled);
    menuBar()->setFont(plain ? QFont() : scaled);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) menu->setFont(plain ? QFont() : scaled);
}

void TForm1::PlacePictures() {
    const Zoom zoom = places_.zoom();
    const int scale = PictureScale(zoom);
    grid_->move(ToQPoint(geo::Scaled(geo::kGridOrigin, zoom)));
    grid_->SetCellSize(geo::CellSize(zoom), scale);
    for (int row = 0; row < kGridSide; ++row)
        row_labels_[row]->setGeometry(ToQRect(geo::RowLabelRect(row, zoom)));
    for (int slot = 0; slot < SlotCount(editor_.edition()); ++slot) {
        thumbnails_[slot]->SetPictureScale(scale);
        thumbnails_[slot]->move(ToQPoint(geo::ThumbnailRect(slot, zoom).TopLeft()));
    }
    paint_box_edit_->SetPictureScale(scale);
    paint_box_edit_->move(ToQPoint(geo::PaintBoxEditRect(zoom).TopLeft()));
    panel109_->setGeometry(ToQRect(geo::Panel109Rect(zoom)));
    for (size_t i = 0; i < shift_buttons_.size(); ++i) {
        shift_buttons_[i]->SetPictureScale(scale);
        shift_buttons_[i]->move(
            ToQPoint(geo::Scaled(geo::ShiftButtonPlace(static_cast<int>(i)), zoom)));
    }
    ShowMarkers();
    ShowSelectionFrame();
    ShowChangedMarks();
    ShowCovers();
}

// The levels and "По размеру окна" are check items of the menu table whose marks the window
// keeps: one of them is checked, the level chosen or the fitting.
void TForm1::ShowZoomChecks() {
    const std::span<const MenuRow> rows = MenuRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        QAction* item = menus_->actions[i];
        if (item == nullptr) continue;
        if (rows[i].window == WindowAction::Zoom)
            item->setChecked(!zoom_choice_.fit && rows[i].code == zoom().percent);
        if (rows[i].window == WindowAction::ZoomFit) item->setChecked(zoom_choice_.fit);
    }
}

}  // namespace rw::ui
