#pragma once

#include <QSize>
#include <QWidget>

namespace rw::ui {

// The main window's central widget: it holds the client area at its top-left corner, as large as
// the zoom makes it, and lets the window grow beyond it (resized, maximised). While the zoom
// fits the window, the window may shrink to the client area at 100 % and every resize is told.
class ZoomArea : public QWidget {
    Q_OBJECT

  public:
    ZoomArea(QWidget* client, QWidget* parent = nullptr);

    void SetClientSize(QSize size);
    // Fitting: the window may shrink down to `smallest`; otherwise to the client area.
    void SetFitting(bool fitting, QSize smallest);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void Resized(QSize size);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* client_;
    bool fitting_ = false;
    QSize smallest_;
};

}  // namespace rw::ui
