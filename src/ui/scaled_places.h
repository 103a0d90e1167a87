#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

#include "model/zoom.h"
#include "ui/form_geometry.h"
#include "ui/qt_conversions.h"

namespace rw::ui {

// The controls the geometry table places by a plain rectangle, each with its rectangle at 100 %:
// placed at the zoom in force when they are made and again at every change of zoom.
class ScaledPlaces {
  public:
    void Put(QWidget* widget, geometry::Rect specified) {
        places_.push_back({widget, specified});
        widget->setGeometry(At(specified));
    }

    // Gives a placed control another rectangle at 100 %, kept through later changes of zoom.
    void Move(QWidget* widget, geometry::Rect specified) {
        for (Place& place : places_) {
            if (place.widget != widget) continue;
            place.specified = specified;
            widget->setGeometry(At(specified));
        }
    }

    void SetZoom(Zoom zoom) {
        zoom_ = zoom;
        for (const Place& place : places_) {
            if (place.widget) place.widget->setGeometry(At(place.specified));
        }
    }

    Zoom zoom() const { return zoom_; }
    QRect At(geometry::Rect specified) const { return ToQRect(geometry::Scaled(specified, zoom_)); }
    int Length(int specified) const { return Scaled(specified, zoom_); }

  private:
    struct Place {
        QPointer<QWidget> widget;
        geometry::Rect specified;
    };
    std::vector<Place> places_;
    Zoom zoom_;
};

}  // namespace rw::ui
