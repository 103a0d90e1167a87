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
    painter.drawImage(0, 0, picture_);
}

}  // namespace rw::ui
