#pragma once

#include <QImage>
#include <QWidget>

namespace rw::ui {

// One 16 x 16 letter picture shown at a whole number of screen pixels per font pixel (one at
// 100 %). It keeps the pixels it was
// last given; a press with any mouse button reports the slot it stands for.
class Thumbnail : public QWidget {
    Q_OBJECT

  public:
    Thumbnail(int slot, QWidget* parent = nullptr);

    int Slot() const { return slot_; }
    void SetPicture(const QImage& picture);
    // Screen pixels per font pixel; the control grows with it.
    void SetPictureScale(int scale);
    const QImage& Picture() const { return picture_; }

  signals:
    void MouseDown(int slot, Qt::MouseButton button);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    int slot_;
    int scale_ = 1;
    QImage picture_;
};

}  // namespace rw::ui
