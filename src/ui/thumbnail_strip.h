#pragma once

#include <QFrame>
#include <optional>

#include "ui/keyboard_focus.h"

namespace rw::ui {

// The thumbnail panel Panel106. It takes the keyboard focus for the thumbnails (their keys are
// shortcuts of the window on it) and, while it shows the focus, rings the rectangle it is given:
// a dotted line one pixel outside the orange selection frame, on the panel's face.
class ThumbnailStrip : public QFrame {
    Q_OBJECT

  public:
    explicit ThumbnailStrip(QWidget* parent = nullptr);

    // Around the selected thumbnail; none before the first letter.
    void SetRing(std::optional<QRect> ring);
    // The ring is on screen.
    bool Ringed() const { return ring_.has_value() && focus_.Shown(hasFocus()); }

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void UpdateRing();

    std::optional<QRect> ring_;
    KeyboardFocus focus_;
};

}  // namespace rw::ui
