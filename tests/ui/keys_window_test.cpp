// "Сервис" → "Клавиши": every key of the main window listed in the interface language, from the
// one table the window's shortcuts are made from.
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QShortcut>
#include <QTableWidget>
#include <QTest>
#include <set>

#include "edition/key_table.h"
#include "edition/texts.h"
#include "ui/app_look.h"
#include "ui/keys_window.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

KeysWindow* OpenKeys(const Window& w) {
    w.Action("Keys1")->trigger();
    return w.form->findChild<KeysWindow*>(QStringLiteral("KeysWindow"));
}

QStringList Column(const QTableWidget* table, int column) {
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row) texts << table->item(row, column)->text();
    return texts;
}

QStringList Headers(const QTableWidget* table) {
    return {table->horizontalHeaderItem(0)->text(), table->horizontalHeaderItem(1)->text()};
}

// Every key the window answers: its menu items' and its own shortcuts'.
std::set<QString> KeysOfTheWindow(const Window& w) {
    std::set<QString> keys;
    for (const QAction* action : w.form->findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts())
            keys.insert(key.toString(QKeySequence::PortableText));
    }
    for (const QShortcut* shortcut : w.form->findChildren<QShortcut*>()) {
        for (const QKeySequence& key : shortcut->keys())
            keys.insert(key.toString(QKeySequence::PortableText));
    }
    return keys;
}

// The keys the Keys window lists, read back from its text.
std::set<QString> KeysListed(const QTableWidget* table) {
    std::set<QString> keys;
    for (const QString& cell : Column(table, 0)) {
        for (const QString& key : cell.split(QStringLiteral(", "))) {
            keys.insert(QKeySequence::fromString(key, QKeySequence::NativeText)
                            .toString(QKeySequence::PortableText));
        }
    }
    return keys;
}

}  // namespace

class KeysWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ApplyClassicLook(*qApp); }

    void TheToolsMenuOpensItInRussianInBothEditions() {
        for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
            Window w(edition);
            QCOMPARE(Caption(w.Action("Keys1")), Q("Клавиши"));
            KeysWindow* keys = OpenKeys(w);
            QVERIFY(keys != nullptr);
            QVERIFY(keys->isVisible());
            QVERIFY(!keys->isModal());
            QCOMPARE(keys->windowTitle(), Q("Клавиши"));
            QCOMPARE(Headers(keys->Table()), QStringList({Q("Клавиши"), Q("Действие")}));
            const QStringList actions = Column(keys->Table(), 1);
            QCOMPARE(actions.size(), static_cast<int>(KeyRows(edition).size()));
            QVERIFY(actions.contains(Q("Загрузить шрифт из fullflash")));
            QVERIFY(actions.contains(Q("Сдвиг вправо")));
            QVERIFY(actions.contains(Q("Следующая буква блока")));
            const auto redo = static_cast<int>(actions.indexOf(Q("Повторить")));
            QVERIFY(redo >= 0);
            QCOMPARE(keys->Table()->item(redo, 0)->text(), QStringLiteral("Ctrl+Shift+Z, Ctrl+Y"));
            // Every row and both columns in sight without scrolling.
            keys->Table()->resize(keys->Table()->minimumSize());
            QVERIFY(keys->Table()->verticalHeader()->length() <=
                    keys->Table()->viewport()->height());
            QVERIFY(keys->Table()->horizontalHeader()->length() <=
                    keys->Table()->viewport()->width());
            // A second choice shows the same window again.
            QCOMPARE(OpenKeys(w), keys);
        }
    }

    // The Cyrillic edition keeps Russian; the Latin one switches, open or not.
    void ItFollowsTheLanguageSwitch() {
        Window w(Edition::Latin);
        KeysWindow* keys = OpenKeys(w);
        w.Action("English1")->trigger();
        QCOMPARE(Caption(w.Action("Keys1")), QStringLiteral("Keys"));
        QCOMPARE(keys->windowTitle(), QStringLiteral("Keys"));
        QCOMPARE(Headers(keys->Table()), QStringList({"Keys", "Action"}));
        QStringList english;
        for (const KeyRow& row : KeyRows(Edition::Latin)) english << Q(Text(row.text, kEnglish));
        QCOMPARE(Column(keys->Table(), 1), english);
        QVERIFY(english.contains(QStringLiteral("Previous letter of the block")));
        // Qt's own names of the keys follow too.
        const auto right = static_cast<int>(english.indexOf(QStringLiteral("Shift right")));
        QCOMPARE(keys->Table()->item(right, 0)->text(), QStringLiteral("Alt+Right"));
        keys->close();
        w.Action("N8")->trigger();
        keys = OpenKeys(w);
        QCOMPARE(keys->windowTitle(), Q("Клавиши"));
        QVERIFY(Column(keys->Table(), 1).contains(Q("Предыдущая буква блока")));

        // Switched before it was first opened.
        Window later(Edition::Latin);
        later.Action("English1")->trigger();
        QCOMPARE(OpenKeys(later)->windowTitle(), QStringLiteral("Keys"));
    }

    // The shortcuts are made from the table: a key the window answers and the list lacks, or a
    // listed key the window ignores, cannot happen without this failing.
    void TheListHoldsExactlyTheKeysTheWindowAnswers() {
        for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
            Window w(edition);
            const std::set<QString> bound = KeysOfTheWindow(w);
            QVERIFY(bound.count(QStringLiteral("Ctrl+Z")) == 1);
            QVERIFY(bound.count(QStringLiteral("PgDown")) == 1);
            QCOMPARE(KeysListed(OpenKeys(w)->Table()), bound);
        }
    }

    // A key Qt cannot read would silently bind nothing.
    void EveryKeyOfTheTableIsOneQtReads() {
        for (const KeyRow& row : KeyRows(Edition::Latin)) {
            const QList<QKeySequence> keys = KeySequences(row);
            QVERIFY(!keys.isEmpty());
            for (int i = 0; i < keys.size(); ++i) {
                QCOMPARE(keys[i].count(), 1);
                QVERIFY(keys[i][0].key() != Qt::Key_unknown);
                QCOMPARE(keys[i].toString(QKeySequence::PortableText),
                         QString::fromLatin1(row.keys[i].data(), row.keys[i].size()));
            }
        }
    }
};

RUNEWRIGHT_UI_TEST(KeysWindowTest)
#include "keys_window_test.moc"
