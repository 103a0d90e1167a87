#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <string>
#include <string_view>

#include "editor/rgb_images.h"
#include "ui/form_geometry.h"

// The core holds texts as UTF-8 and the geometry table places as plain rectangles; the widgets
// want Qt's.
namespace rw::ui {

inline QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}
inline QString Q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

inline QRect ToQRect(geometry::Rect r) {
    return {r.x, r.y, r.width, r.height};
}
inline QPoint ToQPoint(geometry::Point p) {
    return {p.x, p.y};
}
inline QSize ToQSize(geometry::Size s) {
    return {s.width, s.height};
}

// A picture the core drew, as Qt's own copy.
inline QImage ToQImage(const RgbImage& image) {
    return QImage(image.rgb.data(), image.width, image.height, image.width * 3,
                  QImage::Format_RGB888)
        .copy();
}

}  // namespace rw::ui
