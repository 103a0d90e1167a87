#include "ui/thumbnail_strip.h"

#include <QFocusEvent>
#include <QPainter>

namespace rw::ui {

ThumbnailStrip::ThumbnailStrip(QWidget* parent) : QFrame(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void ThumbnailStrip::SetRing(std::optional<QRect> ring) {
    if (ring == ring_) return;
    UpdateRing();
    ring_ = ring;
    UpdateRing();
}

void ThumbnailStrip::SetMarks(const QList<QRect>& marks, const QColor& colour) {
    if (marks == marks_ && colour == mark_colour_) return;
    for (const QRect& mark : marks_) update(mark);
    marks_ = marks;
    mark_colour_ = colour;
    for (const QRect& mark : marks_) update(mark);
}

void ThumbnailStrip::UpdateRing() {
    if (ring_) update(*ring_);
}

// Every key press first asks the focus widget whether it wants the key before the shortcuts
// get it: the keyboard is in use here.
bool ThumbnailStrip::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && !focus_.Shown(hasFocus())) {
        focus_.KeyPressed();
        UpdateRing();
    }
    return QFrame::event(event);
}

void ThumbnailStrip::focusInEvent(QFocusEvent* event) {
    focus_.FocusIn(event->reason());
    UpdateRing();
    QFrame::focusInEvent(event);
}

void ThumbnailStrip::focusOutEvent(QFocusEvent* event) {
    UpdateRing();
    QFrame::focusOutEvent(event);
}

// The marks and the ring lie on the panel's face between the thumbnails, below every child, so
// nothing the panel holds is painted over; the ring's dots go over a mark.
void ThumbnailStrip::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    for (const QRect& mark : marks_) painter.fillRect(mark, mark_colour_);
    if (!Ringed()) return;
    QPen pen(palette().color(QPalette::WindowText));
    pen.setDashPattern({1, 1});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // A pen of one pixel draws the rectangle's right and bottom edges one pixel outside it.
    painter.drawRect(ring_->adjusted(0, 0, -1, -1));
}

}  // namespace rw::ui
