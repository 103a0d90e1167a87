#include "ui/image_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/pictures.h"

namespace rw::ui {
namespace {

QImage KeyedTransparent(const QImage& picture) {
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == (kTransparentKey & 0x00FFFFFF)) line[x] = 0;
        }
    }
    return keyed;
}

}  // namespace

TImageIO::TImageIO(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_Hover, false);
}

void TImageIO::SetPicture(const QImage& picture) {
    picture_ = picture;
    keyed_ = KeyedTransparent(picture);
    resize(sizeHint());  // AutoSize
    update();
}

void TImageIO::SetPictureScale(int scale) {
    scale_ = scale;
    resize(sizeHint());
    update();
}

QSize TImageIO::sizeHint() const {
    return picture_.isNull() ? QSize(14, 14) * scale_ : picture_.size() * scale_;
}

void TImageIO::TriggerMouseIn() {
    emit OnMouseIn(this);
}

void TImageIO::TriggerMouseOut() {
    emit OnMouseOut(this);
}

void TImageIO::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    TriggerMouseOut();
}

void TImageIO::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    TriggerMouseIn();
}

void TImageIO::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit OnMouseDown(this, event->button());
}

void TImageIO::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QRect(QPoint(0, 0), keyed_.size() * scale_), keyed_);
}

}  // namespace rw::ui
