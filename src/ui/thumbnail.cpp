#include "ui/thumbnail.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusTipEvent>

namespace rw::ui {

Thumbnail::Thumbnail(int slot, QWidget* parent) : QWidget(parent), slot_(slot) {
    setFixedSize(16, 16);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Thumbnail::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void Thumbnail::SetPictureScale(int scale) {
    scale_ = scale;
    setFixedSize(16 * scale_, 16 * scale_);
    update();
}

void Thumbnail::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit MouseDown(slot_, event->button());
}

// Every move over a letter puts its name on the status line, also after the name has changed
// under a resting pointer.
void Thumbnail::mouseMoveEvent(QMouseEvent* event) {
    QStatusTipEvent tip(statusTip());
    QCoreApplication::sendEvent(this, &tip);
    event->accept();
}

void Thumbnail::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    // Without smooth transformation the painter repeats each pixel: crisp at any whole scale.
    painter.drawImage(QRect(0, 0, picture_.width() * scale_, picture_.height() * scale_), picture_);
}

}  // namespace rw::ui
