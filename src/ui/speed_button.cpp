#include "ui/speed_button.h"

#include <QMouseEvent>

namespace rw::ui {

SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void SpeedButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit MouseDown(event->button());
}

void SpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace rw::ui
