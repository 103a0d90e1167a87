#pragma once

#include <QToolButton>

namespace rw::ui {

// A toolbar-style button that acts when a mouse button goes DOWN, with any mouse button, and
// leaves its up/down state to the window: the handler sees the state from before the press and
// the window then shows whatever state the editor decided.
class SpeedButton : public QToolButton {
    Q_OBJECT

  public:
    explicit SpeedButton(QWidget* parent = nullptr);

    void SetDown(bool down) { setChecked(down); }
    bool IsDown() const { return isChecked(); }

  signals:
    void MouseDown(Qt::MouseButton button);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace rw::ui
