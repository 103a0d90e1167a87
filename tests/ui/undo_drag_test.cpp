// Drag painting with the mouse, the "Правка" menu with undo and redo, and the keyboard.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include "ui/app_look.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

QPoint GridPoint(const Window& w, int row, int col) {
    return w.Find("EditGrid")->mapTo(w.form.get(), CellCentre(row, col));
}

}  // namespace

class UndoDragTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ApplyClassicLook(*qApp); }

    void ADragPaintsALineThatOneUndoTakesBack() {
        Window w(Edition::Cyrillic);
        QVERIFY(w.active);
        QWindow* window = w.form->windowHandle();
        QVERIFY(!w.Action("EditUndo")->isEnabled());
        QTest::mousePress(window, Qt::RightButton, Qt::NoModifier, GridPoint(w, 2, 1));
        QTest::mouseMove(window, GridPoint(w, 2, 6));  // one fast move over five cells
        QTest::mouseMove(window, GridPoint(w, 5, 6));
        QTest::mouseRelease(window, Qt::RightButton, Qt::NoModifier, GridPoint(w, 5, 6));
        QTest::mouseMove(window, GridPoint(w, 7, 2));  // no button down: paints nothing
        const Session& e = w.form->editor();
        QCOMPARE(e.working(GlyphForm::Narrow)[2], uint8_t{0x7E});
        QCOMPARE(e.working(GlyphForm::Narrow)[5], uint8_t{0x02});
        QCOMPARE(e.working(GlyphForm::Narrow)[7], uint8_t{0});
        QCOMPARE(w.Find<QLabel>("Label3")->text(), Q("7E --"));
        QCOMPARE(w.Find<QLabel>("Label0")->text(), Q("7"));
        QCOMPARE(Pixel(w.Client(), QPoint(80, 8) + CellCentre(2, 4)), kBlackPixel);

        QAction* undo = w.Action("EditUndo");
        QVERIFY(undo->isEnabled());
        QCOMPARE(Caption(undo), Q("Отменить: Рисование"));
        QTest::keyClick(w.form.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.working(GlyphForm::Narrow), NarrowGlyph{});
        QCOMPARE(w.Find<QLabel>("Label3")->text(), Q("00 --"));
        QCOMPARE(Pixel(w.Client(), QPoint(80, 8) + CellCentre(2, 4)), kWhitePixel);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(Caption(w.Action("EditRedo")), Q("Повторить: Рисование"));
        QTest::keyClick(w.form.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(e.working(GlyphForm::Narrow)[2], uint8_t{0x7E});
    }

    void TheEditMenuSitsBetweenFileAndFontAndFollowsTheLanguage() {
        Window w(Edition::Latin);
        const QList<QAction*> top = w.form->menuBar()->actions();
        QCOMPARE(Caption(top.at(1)), Q("Правка"));
        QCOMPARE(Caption(top.at(2)), Q("Шрифт (Normal)"));
        QCOMPARE(Caption(w.Action("EditFlipHorizontal")), Q("Отразить по горизонтали"));
        w.Action("N17")->trigger();
        QCOMPARE(Caption(w.Action("EditUndo")), Q("Отменить: Очистить блок"));
        w.Action("English1")->trigger();
        QCOMPARE(Caption(top.at(1)), Q("Edit"));
        QCOMPARE(Caption(w.Action("EditUndo")), Q("Undo: Clear block"));
        QCOMPARE(Caption(w.Action("EditRedo")), Q("Redo"));
        QCOMPARE(Caption(w.Action("EditBoldFromNormal")), Q("Bold from normal"));
        // Browser has a single weight.
        QVERIFY(w.Action("EditBoldFromNormal")->isEnabled());
        w.Action("Forwap1")->trigger();
        QVERIFY(!w.Action("EditBoldFromNormal")->isEnabled());
    }

    void KeysSelectShiftAndWriteBack() {
        Window w(Edition::Latin);
        QCOMPARE(w.Action("N2")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(w.Action("N39")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        QCOMPARE(w.Action("EditRedo")->shortcuts().size(), 2);
        const Session& e = w.form->editor();
        QTest::keyClick(w.form.get(), Qt::Key_PageDown);
        QCOMPARE(e.state().selected_slot(), 1);
        QTest::keyClick(w.form.get(), Qt::Key_PageUp);
        QTest::keyClick(w.form.get(), Qt::Key_PageUp);  // no letter before the first
        QCOMPARE(e.state().selected_slot(), 0);
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(3, 2));
        QTest::keyClick(w.form.get(), Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(e.working(GlyphForm::Wide)[3], uint16_t{0x1000});
        QCOMPARE(e.font().wide[0][0][3], uint16_t{0});
        QTest::keyClick(w.form.get(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(e.font().wide[0][0][3], uint16_t{0x1000});
        QCOMPARE(Caption(w.Action("EditUndo")), Q("Отменить: Записать в шрифт"));
    }
};

RUNEWRIGHT_UI_TEST(UndoDragTest)
#include "undo_drag_test.moc"
