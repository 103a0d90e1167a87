#include "ui/grid_widget.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusTipEvent>
#include <cmath>

namespace rw::ui {
namespace {

// The cursor's frame: one line wide, two lines inside the cell's edges, so the bevel and a ring
// of the cell's own colour stay around it; orange shows on white and on black cells alike.
const QColor kCursorFrame(255, 128, 0);
// The original letter under the grid: faint enough that the user's ink stands out.
const QColor kGhost(200, 214, 240);
constexpr int kCursorInset = 2;

// A frame `line` pixels wide along the inside of `rect`.
void FillFrame(QPainter& painter, const QRect& rect, int line, const QColor& colour) {
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), line), colour);
    painter.fillRect(QRect(rect.left(), rect.bottom() - line + 1, rect.width(), line), colour);
    painter.fillRect(QRect(rect.left(), rect.top(), line, rect.height()), colour);
    painter.fillRect(QRect(rect.right() - line + 1, rect.top(), line, rect.height()), colour);
}

}  // namespace

// The raised bevel of a panel: a light edge on the top and left, a shadow on the bottom and right.
void GridWidget::PaintRaisedCell(QPainter& painter, const QRect& cell, const QColor& face) const {
    painter.fillRect(cell, face);
    const QColor light(255, 255, 255);
    const QColor shadow(128, 128, 128);
    // The light edges stop one line short of the far corners; the shadow takes those.
    painter.fillRect(QRect(cell.left(), cell.top(), cell.width() - line_, line_), light);
    painter.fillRect(QRect(cell.left(), cell.top(), line_, cell.height() - line_), light);
    painter.fillRect(QRect(cell.left(), cell.bottom() - line_ + 1, cell.width(), line_), shadow);
    painter.fillRect(QRect(cell.right() - line_ + 1, cell.top(), line_, cell.height()), shadow);
}

void GridWidget::PaintCursorFrame(QPainter& painter, const QRect& cell) const {
    const int inset = kCursorInset * line_;
    FillFrame(painter, cell.adjusted(inset, inset, -inset, -inset), line_, kCursorFrame);
}

GridWidget::GridWidget(QWidget* parent) : QWidget(parent) {
    setFixedSize(kCellSize * kGridSide, kCellSize * kGridSide);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void GridWidget::SetCursor(int row, int column) {
    const QPoint cell(column, row);
    if (cell == cursor_) return;
    update(CellRect(cursor_));
    cursor_ = cell;
    update(CellRect(cursor_));
}

// Every key press first asks the focus widget whether it wants the key before the shortcuts
// get it: the keyboard is in use here.
bool GridWidget::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && !focus_.Shown(hasFocus())) {
        focus_.KeyPressed();
        update(CellRect(cursor_));
    }
    return QWidget::event(event);
}

void GridWidget::focusInEvent(QFocusEvent* event) {
    focus_.FocusIn(event->reason());
    update(CellRect(cursor_));
    QWidget::focusInEvent(event);
}

void GridWidget::focusOutEvent(QFocusEvent* event) {
    update(CellRect(cursor_));
    emit KeyRunEnded();
    QWidget::focusOutEvent(event);
}

void GridWidget::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Shift && !event->isAutoRepeat()) emit KeyRunEnded();
    QWidget::keyReleaseEvent(event);
}

void GridWidget::SetCellSize(int cell, int line) {
    cell_ = cell;
    line_ = line;
    setFixedSize(cell_ * kGridSide, cell_ * kGridSide);
    update();
}

void GridWidget::SetCells(const Cells& cells) {
    cells_ = cells;
    update();
    if (hovered_ >= 0) ShowHintOf(hovered_);
}

int GridWidget::CellAt(QPoint point) const {
    if (point.x() < 0 || point.y() < 0) return -1;
    const int column = point.x() / cell_;
    const int row = point.y() / cell_;
    if (column >= kGridSide || row >= kGridSide) return -1;
    return row * kGridSide + column;
}

void GridWidget::ShowHintOf(int cell) {
    QStatusTipEvent tip(cell >= 0 ? cells_[cell].hint : QString());
    QCoreApplication::sendEvent(this, &tip);
}

// Also the second press of a double click: QWidget passes it on as a press.
void GridWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const int cell = CellAt(event->position().toPoint());
    if (cell < 0 || !cells_[cell].live) return;
    stroke_button_ = event->button();
    stroke_cell_ = QPoint(cell % kGridSide, cell / kGridSide);
    emit CellPressed(cell / kGridSide, cell % kGridSide);
}

QPoint GridWidget::CellCoordinates(QPointF point) const {
    return {static_cast<int>(std::floor(point.x() / cell_)),
            static_cast<int>(std::floor(point.y() / cell_))};
}

void GridWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (stroke_button_ == Qt::NoButton || event->button() != stroke_button_) return;
    stroke_button_ = Qt::NoButton;
    emit StrokeEnded();
}

void GridWidget::mouseMoveEvent(QMouseEvent* event) {
    if (stroke_button_ != Qt::NoButton && (event->buttons() & stroke_button_)) {
        const QPoint at = CellCoordinates(event->position());
        if (at != stroke_cell_) {
            stroke_cell_ = at;
            emit CellDragged(at.y(), at.x());
        }
    }
    const int cell = CellAt(event->position().toPoint());
    if (cell != hovered_) {
        hovered_ = cell;
        ShowHintOf(cell);
    }
    event->accept();
}

void GridWidget::leaveEvent(QEvent* event) {
    hovered_ = -1;
    ShowHintOf(-1);
    QWidget::leaveEvent(event);
}

void GridWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    for (int row = 0; row < kGridSide; ++row) {
        for (int column = 0; column < kGridSide; ++column) {
            const QRect cell(CellOrigin(row, column), QSize(cell_, cell_));
            if (!event->rect().intersects(cell)) continue;
            const GridCellLook& look = Cell(row, column);
            PaintRaisedCell(painter, cell, look.ghost ? kGhost : look.colour.value_or(face));
        }
    }
    if (CursorFramed()) PaintCursorFrame(painter, CellRect(cursor_));
}

}  // namespace rw::ui
