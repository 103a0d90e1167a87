#include "ui/zoom_area.h"

#include <QResizeEvent>

namespace rw::ui {

ZoomArea::ZoomArea(QWidget* client, QWidget* parent) : QWidget(parent), client_(client) {
    setObjectName(QStringLiteral("ZoomArea"));
    client_->setParent(this);
    client_->move(0, 0);
}

void ZoomArea::SetClientSize(QSize size) {
    client_->setFixedSize(size);
    updateGeometry();
}

void ZoomArea::SetFitting(bool fitting, QSize smallest) {
    fitting_ = fitting;
    smallest_ = smallest;
    updateGeometry();
}

QSize ZoomArea::sizeHint() const {
    return client_->size();
}

QSize ZoomArea::minimumSizeHint() const {
    return fitting_ ? smallest_ : client_->size();
}

void ZoomArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized(event->size());
}

}  // namespace rw::ui
