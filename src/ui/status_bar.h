#pragma once

#include <QStatusBar>
#include <QString>
#include <vector>

class QLabel;

namespace rw::ui {

// A status bar divided into numbered text panels, as a link label mirrors its address into one
// of them.
class TStatusBar : public QStatusBar {
    Q_OBJECT

  public:
    explicit TStatusBar(int panels, QWidget* parent = nullptr);

    int PanelCount() const { return static_cast<int>(panels_.size()); }
    // Empty for a panel the bar does not have.
    QString PanelText(int panel) const;
    // A panel the bar does not have is left alone.
    void SetPanelText(int panel, const QString& text);

  private:
    std::vector<QLabel*> panels_;
};

}  // namespace rw::ui
