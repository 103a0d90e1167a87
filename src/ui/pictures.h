#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>

namespace rw::ui {

// The colour that the arrow pictures use for "see-through".
inline constexpr QRgb kTransparentKey = qRgb(255, 0, 255);

enum class ArrowDirection { Right, Left, Up, Down };

// A 14 x 14 arrow on the magenta key colour: dark at rest, tinted green while the pointer is over
// it.
QImage ArrowPicture(ArrowDirection direction, bool highlighted);

// The eight arrow pictures of the shift buttons, at rest (n) and under the pointer (p).
struct ArrowPictures {
    QImage ioRTn, ioRTp, ioLTn, ioLTp, ioUPn, ioUPp, ioDNn, ioDNp;
    static ArrowPictures Make();
};

// 18 x 18 red prohibition sign (a ring with a diagonal bar) on the given background.
QImage ProhibitionSign(const QColor& background);

// The program's icon: an enlarged letter on a pixel grid, in the sizes a desktop asks for.
QIcon WindowIcon();
// One size of that icon, for tests and the About window.
QImage WindowIconImage(int size);

}  // namespace rw::ui
