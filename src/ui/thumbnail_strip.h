#pragma once

#include <QColor>
#include <QFrame>
#include <QList>
#include <QRect>
#include <optional>

#include "ui/keyboard_focus.h"

namespace rw::ui {

// The thumbnail panel Panel106. It takes the keyboard focus for the thumbnails (their keys are
// shortcuts of the window on it) and, while it shows the focus, rings the rectangle it is given:
// a dotted line one pixel outside the orange selection frame, on the panel's face. On the face
// too, under the ring, it paints the marks it is given: those of the letters that differ from the
// fullflash's.
class ThumbnailStrip : public QFrame {
    Q_OBJECT

  public:
    explicit ThumbnailStrip(QWidget* parent = nullptr);

    // Around the selected thumbnail; none before the first letter.
    void SetRing(std::optional<QRect> ring);
    // The ring is on screen.
    bool Ringed() const { return ring_.has_value() && focus_.Shown(hasFocus()); }
    // The rectangles of the marks, filled in `colour`.
    void SetMarks(const QList<QRect>& marks, const QColor& colour);
    const QList<QRect>& Marks() const { return marks_; }

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void UpdateRing();

    std::optional<QRect> ring_;
    QList<QRect> marks_;
    QColor mark_colour_;
    KeyboardFocus focus_;
};

}  // namespace rw::ui
