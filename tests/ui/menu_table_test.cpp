// The menu table is the one map from the window's object names to what they do: every row shows
// up once where it says, every item does exactly one thing, and the window model's check marks
// win over Qt's own toggling.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <cstring>
#include <set>
#include <string>

#include "ui/app_look.h"
#include "ui/menu_table.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

class MenuTableTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ApplyClassicLook(*qApp); }

    void EveryRowDoesOneThingAndStandsAfterItsMenu() {
        for (const Edition edition : {Edition::Cyrillic, Edition::Latin}) {
            std::set<std::string> menus;
            std::set<std::string> names;
            for (const MenuRow& row : MenuRows()) {
                if (!row.In(edition)) continue;
                QVERIFY2(names.insert(row.name).second, row.name);
                if (row.parent != nullptr) QVERIFY2(menus.count(row.parent) == 1, row.name);
                if (row.entry == MenuEntry::Menu) menus.insert(row.name);
                if (row.entry != MenuEntry::Item) continue;
                const int actions = (row.operation != nullptr) + row.file.has_value() +
                                    (row.window != WindowAction::None);
                QVERIFY2(actions == 1, row.name);
            }
        }
    }

    // Each row of the edition is in the window under its name, in the menu the row names; a key
    // with no item is among the window's own actions.
    void TheWindowHasEveryRowWhereItSays_data() {
        QTest::addColumn<int>("edition_code");
        QTest::newRow("rus") << static_cast<int>(Edition::Cyrillic);
        QTest::newRow("eng") << static_cast<int>(Edition::Latin);
    }
    void TheWindowHasEveryRowWhereItSays() {
        QFETCH(int, edition_code);
        const auto edition = static_cast<Edition>(edition_code);
        const Window w(edition);
        for (const MenuRow& row : MenuRows()) {
            if (!row.In(edition)) continue;
            QMenu* parent = row.parent == nullptr ? nullptr : w.Menu(QLatin1String(row.parent));
            QList<QAction*> entries =
                parent == nullptr ? w.form->menuBar()->actions() : parent->actions();
            if (row.entry == MenuEntry::Key) entries = w.form->actions();
            int found = 0;
            for (QAction* action : entries)
                found += action->objectName() == QLatin1String(row.name);
            QVERIFY2(found == 1, row.name);
        }
    }

    // Qt unchecks a checked item when it is chosen again; the model's mark comes back at once.
    void ChoosingACheckedItemAgainKeepsItsMark() {
        const Window w(Edition::Cyrillic);
        for (const char* name : {"N451", "Normal1", "N24"}) {
            QAction* item = w.Action(QLatin1String(name));
            QVERIFY(item->isChecked());
            item->trigger();
            QVERIFY2(item->isChecked(), name);
        }
        QAction* small = w.Action(QStringLiteral("Small1"));
        small->trigger();
        QVERIFY(small->isChecked());
        QVERIFY(!w.Action(QStringLiteral("Normal1"))->isChecked());
    }
};

RUNEWRIGHT_UI_TEST(MenuTableTest)
#include "menu_table_test.moc"
