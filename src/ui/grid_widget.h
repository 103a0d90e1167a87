#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QPainter;
#include <array>
#include <optional>

#include "ui/keyboard_focus.h"

namespace rw::ui {

// How one cell of the editing grid looks and behaves. A cell without a colour of its own shows
// the window's button face.
struct GridCellLook {
    std::optional<QColor> colour;
    // A white cell where the original letter has ink: painted in a faint colour instead.
    bool ghost = false;
    QString hint;
    bool live = false;
};

inline constexpr int kGridSide = 16;
inline constexpr int kCellSize = 17;  // at 100 %

// The enlarged 16 x 16 pixel editor, drawn as one surface of raised 17 x 17 cells (larger at a
// zoom: the bevel and the cursor's frame grow with the picture scale). It shows what
// it is given and reports presses on live cells and the strokes they start; it never changes a
// cell by itself. It takes the keyboard focus (its keys are shortcuts of the window on it) and
// then frames the cursor cell it is given, inside that cell's bevel.
class GridWidget : public QWidget {
    Q_OBJECT

  public:
    using Cells = std::array<GridCellLook, kGridSide * kGridSide>;

    explicit GridWidget(QWidget* parent = nullptr);

    void SetCells(const Cells& cells);
    // The side of a cell in pixels and the width of its lines (bevel, cursor frame).
    void SetCellSize(int cell, int line);
    const GridCellLook& Cell(int row, int column) const { return cells_[row * kGridSide + column]; }
    // Top-left corner of a cell in the widget's own coordinates.
    QPoint CellOrigin(int row, int column) const { return {cell_ * column, cell_ * row}; }
    // The cell of the keyboard cursor.
    void SetCursor(int row, int column);
    // The cursor's frame is on screen.
    bool CursorFramed() const { return focus_.Shown(hasFocus()); }

  signals:
    // A press with any mouse button on a live cell.
    void CellPressed(int row, int column);
    // While the button of a press on a live cell stays down: the cell under the pointer, also
    // one off the grid (row or column below 0 or above 15), each time it changes.
    void CellDragged(int row, int column);
    // That button was released.
    void StrokeEnded();
    // Shift was released, or the focus left: a run of Shift+arrows ends.
    void KeyRunEnded();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    // -1 when the point lies on no cell.
    int CellAt(QPoint point) const;
    void ShowHintOf(int cell);
    // Row and column of a point, off the grid too.
    QPoint CellCoordinates(QPointF point) const;
    QRect CellRect(QPoint cell) const {
        return {CellOrigin(cell.y(), cell.x()), QSize(cell_, cell_)};
    }
    void PaintRaisedCell(QPainter& painter, const QRect& cell, const QColor& face) const;
    void PaintCursorFrame(QPainter& painter, const QRect& cell) const;

    Cells cells_;
    int cell_ = kCellSize;
    int line_ = 1;
    int hovered_ = -1;
    Qt::MouseButton stroke_button_ = Qt::NoButton;
    QPoint stroke_cell_;   // x column, y row
    QPoint cursor_{1, 1};  // x column, y row
    KeyboardFocus focus_;
};

}  // namespace rw::ui
