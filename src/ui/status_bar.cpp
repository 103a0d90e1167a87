#include "ui/status_bar.h"

#include <QLabel>

namespace rw::ui {

TStatusBar::TStatusBar(int panels, QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (int i = 0; i < panels; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        addWidget(panel, 1);
        panels_.push_back(panel);
    }
}

QString TStatusBar::PanelText(int panel) const {
    if (panel < 0 || panel >= PanelCount()) return {};
    return panels_[panel]->text();
}

void TStatusBar::SetPanelText(int panel, const QString& text) {
    if (panel < 0 || panel >= PanelCount()) return;
    panels_[panel]->setText(text);
}

}  // namespace rw::ui
