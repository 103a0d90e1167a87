#include "ui/mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <string>
#include <vector>

#include "edition/mnemonics.h"

namespace rw::ui {
namespace {

void MarkActions(const QList<QAction*>& actions) {
    std::vector<QAction*> items;
    std::vector<std::string> captions;
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        items.push_back(action);
        captions.push_back(action->text().toStdString());
    }
    const std::vector<std::string> marked = WithMnemonics(captions);
    for (size_t i = 0; i < items.size(); ++i) {
        const QString text = QString::fromStdString(marked[i]);
        if (items[i]->text() != text) items[i]->setText(text);
        if (QMenu* submenu = items[i]->menu()) MarkActions(submenu->actions());
    }
}

}  // namespace

void MarkMnemonics(QMenuBar* bar) {
    MarkActions(bar->actions());
}

}  // namespace rw::ui
