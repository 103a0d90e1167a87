#pragma once

#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "editor/editor_views.h"

// The core holds texts as UTF-8 and places as its own rectangles; the widgets want Qt's.
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

inline QRect ToQRect(Rect r) {
    return {r.x, r.y, r.width, r.height};
}

}  // namespace rw::ui
