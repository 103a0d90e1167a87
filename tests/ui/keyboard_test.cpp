// The whole editor from the keyboard: the thumbnail strip and the grid in the Tab order, their
// keys and focus marks, the set and weight keys, the paste of an empty buffer and what the status
// line says after an edit.
#include <QApplication>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "ui/app_look.h"
#include "ui/grid_widget.h"
#include "ui/keys_window.h"
#include "ui/speed_button.h"
#include "ui/thumbnail_strip.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

// S/ME 45 Normal, Cyrillic: 13-byte records (kRecordA, kRecordB).
constexpr int kRecordLength = 13;
const QPoint kGridOrigin(80, 8);
const QRgb kOrangePixel = 0xFF8000;

// A dump whose Б is empty, so the bytes a keyboard edit gives it are known exactly.
QByteArray FlashWithEmptyB() {
    QByteArray image = PatternImage(kImageSize);
    image.replace(kRecordB, kRecordLength, QByteArray(kRecordLength, '\0'));
    return image;
}

// A key as the user types it: to whatever has the focus.
void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus != nullptr);
    QTest::keyClick(focus, key, modifiers);
}

// Tab until `target` has the focus; false when a whole round of the window did not reach it.
bool TabTo(QWidget* target) {
    for (int i = 0; i < 12; ++i) {
        Type(Qt::Key_Tab);
        if (target->hasFocus()) return true;
    }
    return false;
}

QString StatusLine(const Window& w) {
    return w.Find<QLabel>("LabelOffcet")->text();
}

// The points where two pictures of the same size differ.
QList<QPoint> Differences(const QImage& a, const QImage& b) {
    QList<QPoint> points;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (Pixel(a, {x, y}) != Pixel(b, {x, y})) points << QPoint(x, y);
        }
    }
    return points;
}

// The pixels of the one-pixel outline of `rect`.
QList<QPoint> Outline(const QRect& rect) {
    QList<QPoint> points;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (x == rect.left() || x == rect.right() || y == rect.top() || y == rect.bottom())
                points << QPoint(x, y);
        }
    }
    return points;
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString flash_;

  private slots:
    void initTestCase() {
        ApplyClassicLook(*qApp);
        QVERIFY(dir_.isValid());
        flash_ = dir_.filePath(QStringLiteral("flash.bin"));
    }
    void init() { QVERIFY(WriteAll(flash_, FlashWithEmptyB())); }

    // Load, pick Б, draw, write back and save with keys alone; the dump then differs from what
    // it was in the bytes of Б only, and those hold exactly what was drawn.
    void AWholeEditWithTheKeyboardAlone() {
        Window w(Edition::Cyrillic);
        QVERIFY(w.active);
        auto* strip = w.Find<ThumbnailStrip>("Panel106");
        auto* grid = w.Find<GridWidget>("EditGrid");
        w.dialogs->open_answers.push_back(flash_);
        Type(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(w.form->windowTitle(), Q("Runewright v4.01 \"RUS-Full\" - [flash.bin]"));

        QVERIFY(TabTo(strip));
        QVERIFY(strip->Ringed());
        Type(Qt::Key_End);
        QVERIFY(w.Find<QLabel>("Label15")->text() != Q("А"));
        Type(Qt::Key_Home);
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("А"));
        Type(Qt::Key_Right);
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("Б"));
        QCOMPARE(w.Find<QLabel>("Label0")->text(), Q("0"));

        // The grid comes right after the strip.
        Type(Qt::Key_Tab);
        QVERIFY(grid->hasFocus());
        QVERIFY(grid->CursorFramed());
        QCOMPARE(w.form->editor().cursor(), (GridCursor{1, 1}));
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down}) Type(key);
        QCOMPARE(w.form->editor().cursor(), (GridCursor{3, 3}));
        Type(Qt::Key_Space);  // (3, 3) black
        Type(Qt::Key_Down);
        // Shift held down over two cells to the right: (4, 3), (4, 4), (4, 5) black, one step.
        const size_t steps = w.form->editor().history().undo_count();
        QTest::keyPress(grid, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyPress(grid, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyRelease(grid, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(w.form->editor().history().undo_count(), steps + 1);
        // Return flips too: there and back.
        Type(Qt::Key_Down);
        Type(Qt::Key_Return);
        Type(Qt::Key_Return);
        QCOMPARE(w.Find<QLabel>("Label4")->text(), Q("10 --"));
        QCOMPARE(w.Find<QLabel>("Label5")->text(), Q("1C --"));
        QCOMPARE(w.Find<QLabel>("Label0")->text(), Q("6"));
        const QImage client = w.Client();
        QCOMPARE(Pixel(client, kGridOrigin + CellCentre(4, 4)), kBlackPixel);
        QCOMPARE(Pixel(client, kGridOrigin + CellCentre(5, 5)), kWhitePixel);

        Type(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(StatusLine(w), Q("Б записана в шрифт"));
        w.dialogs->save_answers.push_back(flash_);
        Type(Qt::Key_S, Qt::ControlModifier);
        QVERIFY2(w.dialogs->errors.isEmpty(), qPrintable(w.dialogs->errors.join("; ")));
        // The pattern around the records is no font, which the save asks about (answered "go
        // on"); it replaces no glyph that was not edited, so it asks nothing more.
        QCOMPARE(w.dialogs->questions.size(), qsizetype{1});
        QVERIFY(w.dialogs->questions[0].contains(Q("не похожи на шрифт")));
        QByteArray expected = FlashWithEmptyB();
        expected[kRecordB] = 6;         // width: columns 1..5 and one of spacing
        expected[kRecordB + 3] = 0x10;  // row 3: column 3
        expected[kRecordB + 4] = 0x1C;  // row 4: columns 3..5
        QCOMPARE(ReadAll(flash_), expected);
        QVERIFY(!w.form->editor().HasUnsavedChanges());
    }

    // The marks of the focus lie where nothing else is drawn: inside the cursor cell's bevel, and
    // one pixel outside the thumbnail's selection frame. A click gives the focus without them.
    void TheFocusMarksChangeNoOtherPixel() {
        Window w(Edition::Cyrillic);
        auto* strip = w.Find<ThumbnailStrip>("Panel106");
        auto* grid = w.Find<GridWidget>("EditGrid");
        const QImage before = w.Client();
        QVERIFY(!strip->Ringed());
        QVERIFY(!grid->CursorFramed());

        QVERIFY(TabTo(strip));
        const QRect ring = QRect(360 + 8 - 2, 8 + 36 - 2, 21, 21);  // around thumbnail 0
        const QList<QPoint> ringed = Differences(before, w.Client());
        QVERIFY(!ringed.isEmpty());
        for (const QPoint& p : ringed) QVERIFY(Outline(ring).contains(p));

        Type(Qt::Key_Tab);
        QVERIFY(grid->hasFocus());
        const QRect cell(kGridOrigin + grid->CellOrigin(1, 1), QSize(17, 17));
        const QList<QPoint> framed = Differences(before, w.Client());
        QCOMPARE(framed, Outline(cell.adjusted(2, 2, -2, -2)));
        for (const QPoint& p : framed) QCOMPARE(Pixel(w.Client(), p), kOrangePixel);

        // Away from the grid, the grid and the strip look as before (the button now marks its
        // focus as it always did).
        Type(Qt::Key_Tab);
        QVERIFY(!grid->hasFocus());
        const QRect grid_area(kGridOrigin, grid->size());
        const QRect strip_area = strip->geometry();
        QVERIFY(Differences(before.copy(grid_area), w.Client().copy(grid_area)).isEmpty());
        QVERIFY(Differences(before.copy(strip_area), w.Client().copy(strip_area)).isEmpty());

        // A click on a thumbnail gives the strip the focus, unmarked.
        Window clicked(Edition::Cyrillic);
        const QImage at_start = clicked.Client();
        clicked.Press(clicked.Find("PaintBox1"));
        QVERIFY(clicked.Find("Panel106")->hasFocus());
        const QRect status_line(360 + 8, 8 + 8, 257, 21);  // shows the thumbnail's name now
        for (const QPoint& p : Differences(at_start, clicked.Client()))
            QVERIFY(status_line.contains(p));
        // A key there shows it.
        Type(Qt::Key_Right);
        QVERIFY(clicked.Find<ThumbnailStrip>("Panel106")->Ringed());
    }

    // The strip's arrows go left, right and a row of eleven up and down; PgUp/PgDn still work
    // from the grid.
    void TheStripsArrowsMoveTheSelection() {
        Window w(Edition::Latin);
        auto* strip = w.Find<ThumbnailStrip>("Panel106");
        QVERIFY(TabTo(strip));
        auto slot = [&] { return w.form->editor().state().selected_slot(); };
        Type(Qt::Key_Down);
        QCOMPARE(slot(), 11);
        Type(Qt::Key_Right);
        QCOMPARE(slot(), 12);
        Type(Qt::Key_Up);
        QCOMPARE(slot(), 1);
        Type(Qt::Key_Up);  // no row above
        QCOMPARE(slot(), 1);
        Type(Qt::Key_Left);
        Type(Qt::Key_Left);
        QCOMPARE(slot(), 0);
        Type(Qt::Key_End);
        QCOMPARE(slot(), 25);  // Z: the slots after it are covered
        Type(Qt::Key_Tab);
        Type(Qt::Key_PageUp);
        QCOMPARE(slot(), 24);
        // The grid's own arrows move the cursor, not the letter.
        Type(Qt::Key_Right);
        QCOMPARE(slot(), 24);
        QCOMPARE(w.form->editor().cursor(), (GridCursor{1, 2}));
    }

    void CtrlDigitsChooseTheSetsAndCtrlBTheWeight() {
        Window w(Edition::Latin);
        auto* s2 = w.Find<SpeedButton>("SpeedButton5");
        auto* bold = w.Find<SpeedButton>("SpeedButton1");
        Type(Qt::Key_4, Qt::ControlModifier);
        QVERIFY(s2->IsDown());
        QCOMPARE(w.form->editor().state().set(), 3);
        Type(Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(w.form->editor().state().set(), 2);
        Type(Qt::Key_2, Qt::ControlModifier);
        QVERIFY(w.Find<SpeedButton>("SpeedButton3")->IsDown());
        Type(Qt::Key_B, Qt::ControlModifier);
        QVERIFY(bold->IsDown());
        QVERIFY(w.form->editor().state().bold());
        Type(Qt::Key_1, Qt::ControlModifier);
        QVERIFY(w.Find<SpeedButton>("SpeedButton2")->IsDown());
        QCOMPARE(w.form->editor().state().block(), 4);  // upper case, bold
        Type(Qt::Key_B, Qt::ControlModifier);
        QVERIFY(!bold->IsDown());
        // The hints keep their text on the status line; the tool tips add the key.
        QCOMPARE(s2->statusTip(), Q("Набор символов 2"));
        QCOMPARE(s2->toolTip(), Q("Набор символов 2 (Ctrl+4)"));
        QCOMPARE(bold->toolTip(), Q("Нормальный / Жирный (Ctrl+B)"));
        w.Action("English1")->trigger();
        QCOMPARE(w.Find<SpeedButton>("SpeedButton2")->toolTip(), Q("Upper case (Ctrl+1)"));

        // The Cyrillic edition has two sets; Ctrl+3 is no key there. Big has one weight.
        Window rus(Edition::Cyrillic);
        QCOMPARE(rus.Find<SpeedButton>("SpeedButton2")->toolTip(), Q("Прописные (Ctrl+1)"));
        Type(Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(rus.form->editor().state().set(), 1);
        Type(Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(rus.form->editor().state().set(), 1);
        rus.Action("Bigest1")->trigger();
        Type(Qt::Key_B, Qt::ControlModifier);
        QVERIFY(!rus.form->editor().state().bold());
        rus.Action("Normal1")->trigger();
        Type(Qt::Key_B, Qt::ControlModifier);
        QVERIFY(rus.form->editor().state().bold());
    }

    // Nothing copied yet: the paste buttons change nothing, record nothing and say why.
    void PasteOfNothingSaysTheBufferIsEmpty() {
        Window w(Edition::Latin);
        w.dialogs->open_answers.push_back(flash_);
        w.Action("N2")->trigger();
        const FontImage loaded = w.form->editor().font();
        const QString undo = Caption(w.Action("EditUndo"));
        for (const char* button : {"Button9", "Button11"}) {
            QTest::mouseClick(w.Find<QWidget>(button), Qt::LeftButton);
            QCOMPARE(StatusLine(w), Q("Буфер пуст"));
            QVERIFY(w.Find<QWidget>(button)->isEnabled());
            QCOMPARE(w.form->editor().font(), loaded);
            QCOMPARE(Caption(w.Action("EditUndo")), undo);
        }
        w.Action("English1")->trigger();
        QTest::mouseClick(w.Find<QWidget>("Button9"), Qt::LeftButton);
        QCOMPARE(StatusLine(w), QStringLiteral("The buffer is empty"));
        // After a copy a paste is one again.
        QTest::mouseClick(w.Find<QWidget>("Button10"), Qt::LeftButton);
        QTest::mouseClick(w.Find<QWidget>("Button11"), Qt::LeftButton);
        QVERIFY(Caption(w.Action("EditUndo")) != undo);
    }

    // Write-back, transforms, shifts and the PNG sheets say what they did; the next hint the
    // pointer shows replaces it.
    void TheStatusLineTellsWhatAnEditDid() {
        Window w(Edition::Cyrillic);
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(2, 2));
        QTest::mouseClick(w.Find<QWidget>("Button1"), Qt::LeftButton);
        QCOMPARE(StatusLine(w), Q("А записана в шрифт"));
        w.Action("EditFlipHorizontal")->trigger();
        QCOMPARE(StatusLine(w), Q("Отразить по горизонтали: А"));
        Type(Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(StatusLine(w), Q("Сдвиг вправо: А"));

        const QString sheet = dir_.filePath(QStringLiteral("sheet.png"));
        w.dialogs->save_answers.push_back(sheet);
        w.Action("ExportPng1")->trigger();
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(StatusLine(w), Q("Записано в sheet.png: 136 букв"));
        w.dialogs->open_answers.push_back(sheet);
        w.Action("ImportPng1")->trigger();
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(StatusLine(w), Q("Загружено из sheet.png: 136 букв"));
        QCOMPARE(Caption(w.Action("EditUndo")), Q("Отменить: Импорт из PNG..."));

        w.Hover(w.Find("SpeedButton1"));
        QCOMPARE(StatusLine(w), Q("Нормальный / Жирный"));
    }

    // The Keys window pairs the strip's and the grid's keys with what they do, in both languages
    // (that it lists exactly the keys the window answers, per edition, is the Keys window's test).
    void TheKeysWindowListsTheStripAndTheGrid() {
        Window w(Edition::Latin);
        w.Action("Keys1")->trigger();
        auto* keys = w.form->findChild<KeysWindow*>(QStringLiteral("KeysWindow"));
        QVERIFY(keys != nullptr);
        // The keys in Qt's portable names, whatever language the window writes them in.
        auto keys_of = [&](const QString& action) {
            for (int row = 0; row < keys->Table()->rowCount(); ++row) {
                if (keys->Table()->item(row, 1)->text() != action) continue;
                QStringList portable;
                for (const QString& key : keys->Table()->item(row, 0)->text().split(", ")) {
                    portable << QKeySequence::fromString(key, QKeySequence::NativeText)
                                    .toString(QKeySequence::PortableText);
                }
                return portable.join(", ");
            }
            return QString();
        };
        QCOMPARE(keys_of(Q("Сетка: курсор влево")), QStringLiteral("Left"));
        QCOMPARE(keys_of(Q("Сетка: рисовать вправо")), QStringLiteral("Shift+Right"));
        QCOMPARE(keys_of(Q("Сетка: сменить цвет точки под курсором")),
                 QStringLiteral("Space, Return"));
        QCOMPARE(keys_of(Q("Миниатюры: первая буква блока")), QStringLiteral("Home"));
        QCOMPARE(keys_of(Q("Набор символов 2")), QStringLiteral("Ctrl+4"));
        QCOMPARE(keys_of(Q("Нормальный / Жирный")), QStringLiteral("Ctrl+B"));
        w.Action("English1")->trigger();
        QCOMPARE(keys_of(QStringLiteral("Grid: paint upwards")), QStringLiteral("Shift+Up"));
        QCOMPARE(keys_of(QStringLiteral("Thumbnails: last letter of the block")),
                 QStringLiteral("End"));
    }
};

RUNEWRIGHT_UI_TEST(KeyboardTest)
#include "keyboard_test.moc"
