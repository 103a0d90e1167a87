// What a daily user reaches for: Alt+letter on the menus, the clipboard keys and the keys of the
// transforms, all in the key table and the "Клавиши" window.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTest>

#include "ui/app_look.h"
#include "ui/keys_window.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

// The letter an item's mark gives to Alt, upper case; a null character for none.
QChar MarkOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

int MarkCount(const QString& text) {
    int marks = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
            ++i;
        } else {
            ++marks;
        }
    }
    return marks;
}

// Every item of `actions` has one mark; a mark an earlier item has is shared only when every
// letter of the caption is taken. The same for each submenu.
void CheckMarks(const QList<QAction*>& actions, const QString& where) {
    QSet<QChar> taken;
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        const QString name = where + QStringLiteral(" / ") + Caption(action);
        QVERIFY2(MarkCount(action->text()) == 1, qPrintable(name));
        const QChar mark = MarkOf(action->text());
        if (taken.contains(mark)) {
            for (QChar c : Caption(action)) {
                if (c.isLetterOrNumber()) QVERIFY2(taken.contains(c.toUpper()), qPrintable(name));
            }
        }
        taken.insert(mark);
        if (QMenu* submenu = action->menu()) CheckMarks(submenu->actions(), name);
    }
}

QString KeysOf(KeysWindow* keys, const QString& action) {
    for (int row = 0; row < keys->Table()->rowCount(); ++row) {
        if (keys->Table()->item(row, 1)->text() != action) continue;
        QStringList portable;
        for (const QString& key : keys->Table()->item(row, 0)->text().split(QStringLiteral(", ")))
            portable << QKeySequence::fromString(key, QKeySequence::NativeText)
                            .toString(QKeySequence::PortableText);
        return portable.join(QStringLiteral(", "));
    }
    return {};
}

QString StatusOf(const Window& w) {
    return w.Find<QLabel>("LabelOffcet")->text();
}

}  // namespace

class HabitsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ApplyClassicLook(*qApp); }

    void EveryMenuAndItemHasItsAltLetter() {
        {
            Window w(Edition::Cyrillic);
            CheckMarks(w.form->menuBar()->actions(), Q("rus"));
        }
        Window w(Edition::Latin);
        CheckMarks(w.form->menuBar()->actions(), Q("eng, Русский"));
        QCOMPARE(Caption(w.Menu("N1")), Q("Файл"));
        w.Action("English1")->trigger();
        CheckMarks(w.form->menuBar()->actions(), Q("eng, English"));
        QCOMPARE(w.Menu("N1")->title(), Q("&File"));
        QCOMPARE(Caption(w.Menu("N1")), Q("File"));
        // A caption that changes keeps a mark: the undo item names its step.
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(3, 2));
        QCOMPARE(MarkCount(w.Action("EditUndo")->text()), 1);
        QCOMPARE(Caption(w.Action("EditUndo")), Q("Undo: Drawing"));
    }

    // The names read aloud are the captions as the window definition has them.
    void AccessibleNamesAreTheCaptions() {
        Window w(Edition::Cyrillic);
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(w.form->menuBar());
        QStringList names;
        for (int i = 0; i < bar->childCount(); ++i) names << bar->child(i)->text(QAccessible::Name);
        QCOMPARE(names, QStringList({Q("Файл"), Q("Правка"), Q("Шрифт (Normal)"),
                                     Q("Телефон (S/ME 45)"), Q("Сервис"), Q("Инфо")}));
        QAccessibleInterface* file = QAccessible::queryAccessibleInterface(w.Menu("N1"));
        QCOMPARE(file->child(0)->text(QAccessible::Name), Q("Загрузить шрифт из fullflash"));
    }

    // Alt with a menu's letter opens it.
    void AltAndTheLetterOpensTheMenu() {
        Window w(Edition::Latin);
        w.Action("English1")->trigger();
        QTest::keyClick(w.form.get(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(w.Menu("N1")->isVisible());
        w.Menu("N1")->hide();
    }

    // Ctrl+C / Ctrl+V copy and paste the letter, Ctrl+Shift+C / Ctrl+Shift+V the block.
    void ClipboardKeys() {
        Window w(Edition::Latin);
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(3, 2));
        QTest::mouseClick(w.Find<QWidget>("Button1"), Qt::LeftButton);
        const QString row = w.Find<QLabel>("Label4")->text();
        QTest::keyClick(w.form.get(), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(w.form.get(), Qt::Key_PageDown);
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("B"));
        QVERIFY(w.Find<QLabel>("Label4")->text() != row);
        QTest::keyClick(w.form.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.Find<QLabel>("Label4")->text(), row);
        QCOMPARE(Caption(w.Action("EditUndo")), Q("Отменить: Вставить текущую"));
        QTest::keyClick(w.form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(w.form.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Caption(w.Action("EditUndo")), Q("Отменить: Вставить блок"));
    }

    // Ctrl+H, Ctrl+J, Ctrl+I and Ctrl+E: the edit menu's transforms, shown beside their items.
    void TransformKeys() {
        Window w(Edition::Cyrillic);
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(3, 2));
        const struct {
            Qt::Key key;
            const char* item;
            const char* caption;
            const char* keys;
        } transforms[] = {
            {Qt::Key_H, "EditFlipHorizontal", "Отразить по горизонтали", "Ctrl+H"},
            {Qt::Key_J, "EditFlipVertical", "Отразить по вертикали", "Ctrl+J"},
            {Qt::Key_I, "EditInvert", "Инвертировать", "Ctrl+I"},
            {Qt::Key_E, "EditEmbolden", "Утолщить", "Ctrl+E"},
        };
        for (const auto& t : transforms) {
            QCOMPARE(Caption(w.Action(QLatin1String(t.item))), Q(t.caption));
            QCOMPARE(w.Action(QLatin1String(t.item))->shortcut().toString(), QLatin1String(t.keys));
            QTest::keyClick(w.form.get(), t.key, Qt::ControlModifier);
            QCOMPARE(StatusOf(w), Q(t.caption) + Q(": А"));
        }
    }

    // The "Клавиши" window lists the new keys with the rest.
    void TheKeysWindowListsThem() {
        Window w(Edition::Latin);
        w.Action("Keys1")->trigger();
        auto* keys = w.form->findChild<KeysWindow*>(QStringLiteral("KeysWindow"));
        QVERIFY(keys != nullptr);
        QCOMPARE(KeysOf(keys, Q("Копировать текущую")), QStringLiteral("Ctrl+C"));
        QCOMPARE(KeysOf(keys, Q("Вставить текущую")), QStringLiteral("Ctrl+V"));
        QCOMPARE(KeysOf(keys, Q("Копировать блок")), QStringLiteral("Ctrl+Shift+C"));
        QCOMPARE(KeysOf(keys, Q("Вставить блок")), QStringLiteral("Ctrl+Shift+V"));
        QCOMPARE(KeysOf(keys, Q("Инвертировать")), QStringLiteral("Ctrl+I"));
        QCOMPARE(KeysOf(keys, Q("Масштаб 100 %")), QStringLiteral("Ctrl+0"));
        QCOMPARE(KeysOf(keys, Q("Крупнее: следующий масштаб")), QStringLiteral("Ctrl++, Ctrl+="));
        w.Action("English1")->trigger();
        QCOMPARE(KeysOf(keys, QStringLiteral("Zoom out: the previous zoom level")),
                 QStringLiteral("Ctrl+-"));
        QCOMPARE(KeysOf(keys, QStringLiteral("Flip vertically")), QStringLiteral("Ctrl+J"));
    }
};

RUNEWRIGHT_UI_TEST(HabitsTest)
#include "habits_test.moc"
