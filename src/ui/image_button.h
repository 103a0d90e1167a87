#pragma once

#include <QImage>
#include <QWidget>

namespace rw::ui {

// The picture button of the four shift arrows (ImageIO1 .. ImageIO4, hence the class's name): a
// picture control that tells when the pointer crosses its edge. Its two events are named the
// other way round from what they mean: OnMouseOut is raised when the pointer ENTERS the control
// and OnMouseIn when it LEAVES. Pictures are drawn with the magenta key colour see-through, and
// the control takes the size of its picture.
class TImageIO : public QWidget {
    Q_OBJECT

  public:
    explicit TImageIO(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    // Screen pixels per picture pixel; the control takes the size of its picture at that scale.
    void SetPictureScale(int scale);

    QSize sizeHint() const override;

  signals:
    // Raised when the pointer leaves the control.
    void OnMouseIn(rw::ui::TImageIO* sender);
    // Raised when the pointer enters the control.
    void OnMouseOut(rw::ui::TImageIO* sender);
    // A press with any mouse button.
    void OnMouseDown(rw::ui::TImageIO* sender, Qt::MouseButton button);

  protected:
    virtual void TriggerMouseIn();
    virtual void TriggerMouseOut();

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
    QImage keyed_;
    int scale_ = 1;  // the picture with the key colour made transparent
};

}  // namespace rw::ui
