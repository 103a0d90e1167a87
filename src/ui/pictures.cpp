#include "ui/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace rw::ui {
namespace {

constexpr int kArrowSize = 14;

// Ink of a right-pointing arrow: a triangle six columns deep, rows 1..12 at its base.
bool RightArrowInk(int x, int y) {
    const int k = x - 4;
    return k >= 0 && k <= 5 && y >= 1 + k && y <= 12 - k;
}

// The edge pixels of the triangle get the darker outline colour.
bool RightArrowEdge(int x, int y) {
    if (!RightArrowInk(x, y)) return false;
    return !RightArrowInk(x - 1, y) || !RightArrowInk(x + 1, y) || !RightArrowInk(x, y - 1) ||
           !RightArrowInk(x, y + 1);
}

// Maps a pixel of the requested arrow back to the right-pointing one.
void ToRightArrow(ArrowDirection direction, int x, int y, int* rx, int* ry) {
    const int last = kArrowSize - 1;
    switch (direction) {
        case ArrowDirection::Right:
            *rx = x;
            *ry = y;
            break;
        case ArrowDirection::Left:
            *rx = last - x;
            *ry = y;
            break;
        case ArrowDirection::Down:
            *rx = y;
            *ry = x;
            break;
        case ArrowDirection::Up:
            *rx = last - y;
            *ry = x;
            break;
    }
}

}  // namespace

QImage ArrowPicture(ArrowDirection direction, bool highlighted) {
    // Drawn pixel by pixel without smoothing: a blended edge would turn pink against the key.
    const QRgb fill = highlighted ? qRgb(0, 200, 0) : qRgb(64, 64, 64);
    const QRgb edge = highlighted ? qRgb(0, 100, 0) : qRgb(0, 0, 0);
    QImage image(kArrowSize, kArrowSize, QImage::Format_RGB32);
    for (int y = 0; y < kArrowSize; ++y) {
        for (int x = 0; x < kArrowSize; ++x) {
            int rx = 0, ry = 0;
            ToRightArrow(direction, x, y, &rx, &ry);
            QRgb colour = kTransparentKey;
            if (RightArrowEdge(rx, ry)) {
                colour = edge;
            } else if (RightArrowInk(rx, ry)) {
                colour = fill;
            }
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

ArrowPictures ArrowPictures::Make() {
    ArrowPictures p;
    p.ioRTn = ArrowPicture(ArrowDirection::Right, false);
    p.ioRTp = ArrowPicture(ArrowDirection::Right, true);
    p.ioLTn = ArrowPicture(ArrowDirection::Left, false);
    p.ioLTp = ArrowPicture(ArrowDirection::Left, true);
    p.ioUPn = ArrowPicture(ArrowDirection::Up, false);
    p.ioUPp = ArrowPicture(ArrowDirection::Up, true);
    p.ioDNn = ArrowPicture(ArrowDirection::Down, false);
    p.ioDNp = ArrowPicture(ArrowDirection::Down, true);
    return p;
}

QImage ProhibitionSign(const QColor& background) {
    constexpr int kSize = 18;
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor red(255, 0, 0);
    painter.setPen(QPen(red, 2.4));
    painter.setBrush(Qt::NoBrush);
    const QRectF ring(1.7, 1.7, kSize - 3.4, kSize - 3.4);
    painter.drawEllipse(ring);
    // The bar runs from the upper left to the lower right, inside the ring.
    const QPointF centre = ring.center();
    const double reach = ring.width() / 2 * 0.7071;
    painter.drawLine(QPointF(centre.x() - reach, centre.y() - reach),
                     QPointF(centre.x() + reach, centre.y() + reach));
    return image;
}

QImage WindowIconImage(int size) {
    // A 7 x 8 pixel letter R on a white glyph cell with a grey frame, like a letter in the grid.
    static constexpr const char* kLetter[8] = {
        "######.", "#.....#", "#.....#", "######.", "#..#...", "#...#..", "#....#.", "#.....#",
    };
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const int cell = size / 10;
    const int margin = (size - cell * 10) / 2;
    painter.fillRect(margin, margin, cell * 10, cell * 10, QColor(128, 128, 128));
    painter.fillRect(margin + 1, margin + 1, cell * 10 - 2, cell * 10 - 2, Qt::white);
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 7; ++col) {
            if (kLetter[row][col] != '#') continue;
            painter.fillRect(margin + cell * (col + 1) + cell / 2, margin + cell * (row + 1), cell,
                             cell, Qt::black);
        }
    }
    return image;
}

QIcon WindowIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) icon.addPixmap(QPixmap::fromImage(WindowIconImage(size)));
    return icon;
}

}  // namespace rw::ui
