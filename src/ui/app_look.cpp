#include "ui/app_look.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace rw::ui {
namespace {

// Fusion draws an empty box beside every checkable menu item; the phone, font-kind, load and
// language menus would show a column of boxes where a user expects one check mark.
class ClassicStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuItem && item != nullptr && !item->checked &&
            item->checkType != QStyleOptionMenuItem::NotCheckable) {
            QStyleOptionMenuItem unmarked(*item);
            unmarked.checkType = QStyleOptionMenuItem::NotCheckable;
            QProxyStyle::drawControl(element, &unmarked, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

}  // namespace

void ApplyClassicLook(QApplication& application) {
    application.setStyle(new ClassicStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    QPalette palette;
    const QColor face(212, 208, 200);
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, face);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Midlight, face);
    palette.setColor(QPalette::Mid, QColor(160, 160, 160));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Shadow, QColor(64, 64, 64));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(10, 36, 106));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    application.setPalette(palette);

    QFont font(QStringLiteral("DejaVu Sans"));
    // DejaVu Sans is wider than MS Sans Serif; narrowed a little, the longest captions
    // ("Копировать текущую") fit their buttons as they did.
    font.setPixelSize(11);
    font.setStretch(88);
    font.setStyleHint(QFont::SansSerif);
    application.setFont(font);
}

}  // namespace rw::ui
