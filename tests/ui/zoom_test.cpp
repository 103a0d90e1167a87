// "Сервис" → "Масштаб": the whole window drawn larger from the geometry table, crisp, through the
// menu, the keys and the window's own size.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include "ui/app_look.h"
#include "ui/grid_widget.h"
#include "ui/thumbnail.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

// Every control of the client area with its place in the client area's coordinates.
struct Layout {
    QSize client;
    std::vector<std::pair<QString, QRect>> places;
};

Layout LayoutOf(const Window& w) {
    Layout layout{w.form->ClientArea()->size(), {}};
    for (QWidget* child : w.form->ClientArea()->findChildren<QWidget*>()) {
        const QRect at(child->mapTo(w.form->ClientArea(), QPoint(0, 0)), child->size());
        layout.places.emplace_back(child->objectName(), at);
    }
    return layout;
}

QRect Times(const QRect& r, int factor) {
    return {r.x() * factor, r.y() * factor, r.width() * factor, r.height() * factor};
}

void Type(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(window, key, modifiers);
}

}  // namespace

class ZoomTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ApplyClassicLook(*qApp); }

    // The menu's levels, and each whole level makes every rectangle of the window definition
    // that many times larger; the fonts grow with them.
    void AWholeLevelMultipliesEveryRectangle() {
        for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
            Window w(edition);
            QStringList levels;
            for (QAction* item : w.Menu("Zoom1")->actions()) {
                if (!item->isSeparator()) levels << Caption(item);
            }
            QCOMPARE(levels, QStringList({Q("100 %"), Q("150 %"), Q("200 %"), Q("300 %"),
                                          Q("По размеру окна")}));
            QVERIFY(w.Action("Zoom100")->isChecked());
            const Layout before = LayoutOf(w);
            const int font = w.Find<QLabel>("Label14")->fontInfo().pixelSize();
            for (int factor : {2, 3}) {
                w.Action(QStringLiteral("Zoom%1").arg(factor * 100))->trigger();
                QVERIFY(w.Action(QStringLiteral("Zoom%1").arg(factor * 100))->isChecked());
                QVERIFY(!w.Action("Zoom100")->isChecked());
                const Layout after = LayoutOf(w);
                QCOMPARE(after.client, before.client * factor);
                QCOMPARE(after.places.size(), before.places.size());
                for (size_t i = 0; i < before.places.size(); ++i) {
                    QCOMPARE(after.places[i].first, before.places[i].first);
                    QVERIFY2(after.places[i].second == Times(before.places[i].second, factor),
                             qPrintable(before.places[i].first));
                }
                QCOMPARE(w.Find<QLabel>("Label14")->fontInfo().pixelSize(), font * factor);
                // The window takes its contents' size.
                QVERIFY(w.form->width() >= before.client.width() * factor);
            }
        }
    }

    // Back at 100 % the window is the one it was, to the pixel, after a letter was drawn at
    // another zoom.
    void AtHundredTheWindowIsAsBefore() {
        Window w(Edition::Cyrillic);
        const Layout before = LayoutOf(w);
        const QImage shown = w.Client();
        w.Action("Zoom150")->trigger();
        QCOMPARE(w.form->ClientArea()->size(), QSize(962, 435));
        w.Action("Zoom100")->trigger();
        QCOMPARE(w.Client(), shown);
        const Layout after = LayoutOf(w);
        QCOMPARE(after.client, before.client);
        for (size_t i = 0; i < before.places.size(); ++i)
            QCOMPARE(after.places[i].second, before.places[i].second);
    }

    // At 200 % a font pixel is a square of 2 x 2 screen pixels, on the grid and the pictures,
    // and a press lands on the cell under the pointer.
    void PicturesStayCrispAndPressesHitTheirCells() {
        Window w(Edition::Cyrillic);
        w.Action("Zoom200")->trigger();
        auto* grid = w.Find<GridWidget>("EditGrid");
        QCOMPARE(grid->size(), QSize(544, 544));
        w.Press(grid, Qt::LeftButton, CellCentre(3, 2) * 2);
        QCOMPARE(w.Find<QLabel>("Label4")->text(), Q("20 --"));  // row 3, column 2
        QCOMPARE(w.Find<QLabel>("Label3")->text(), Q("00 --"));
        auto* edit = w.Find<Thumbnail>("PaintBoxEdit");
        const QImage picture = edit->Picture();
        const QImage shown = edit->grab().toImage();
        QCOMPARE(shown.size(), QSize(32, 32));
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb pixel = picture.pixel(x, y) & 0xFFFFFF;
                for (QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                    QCOMPARE(Pixel(shown, QPoint(2 * x, 2 * y) + d), pixel);
            }
        }
        // 150 %: whole cells of 25 pixels; the pictures keep one pixel per font pixel.
        w.Action("Zoom150")->trigger();
        QCOMPARE(grid->size(), QSize(400, 400));
        QCOMPARE(edit->size(), QSize(16, 16));
    }

    // Ctrl+Plus (and Ctrl+=) and Ctrl+Minus step through the levels, Ctrl+0 goes back to 100 %.
    void KeysStepThroughTheLevels() {
        Window w(Edition::Latin);
        QWidget* window = w.form.get();
        const QSize client = w.form->ClientArea()->size();
        Type(window, Qt::Key_Equal);
        QVERIFY(w.Action("Zoom150")->isChecked());
        Type(window, Qt::Key_Plus);
        QVERIFY(w.Action("Zoom200")->isChecked());
        Type(window, Qt::Key_Plus);
        Type(window, Qt::Key_Plus);
        QVERIFY(w.Action("Zoom300")->isChecked());
        QCOMPARE(w.form->ClientArea()->size(), client * 3);
        Type(window, Qt::Key_Minus);
        QVERIFY(w.Action("Zoom200")->isChecked());
        Type(window, Qt::Key_0);
        QVERIFY(w.Action("Zoom100")->isChecked());
        QCOMPARE(w.form->ClientArea()->size(), client);
        Type(window, Qt::Key_Minus);
        QVERIFY(w.Action("Zoom100")->isChecked());
    }

    // "По размеру окна": the largest level that fits the window, again at every resize; the
    // window may then shrink back to the size of 100 %.
    void FitFollowsTheWindowSize() {
        Window w(Edition::Cyrillic);
        const QSize start = w.form->size();
        w.Action("ZoomFit")->trigger();
        QVERIFY(w.Action("ZoomFit")->isChecked());
        QCOMPARE(w.form->ClientArea()->size(), QSize(641, 290));
        w.form->resize(1400, 900);
        QTRY_COMPARE(w.form->ClientArea()->size(), QSize(1282, 580));
        w.form->resize(2100, 1300);
        QTRY_COMPARE(w.form->ClientArea()->size(), QSize(1923, 870));
        w.form->resize(start);
        QTRY_COMPARE(w.form->ClientArea()->size(), QSize(641, 290));
        QCOMPARE(w.form->width(), start.width());
        QVERIFY(w.Action("ZoomFit")->isChecked());
        // A level chosen again ends the fitting.
        w.Action("Zoom200")->trigger();
        QVERIFY(!w.Action("ZoomFit")->isChecked());
        QCOMPARE(w.form->ClientArea()->size(), QSize(1282, 580));
    }
};

RUNEWRIGHT_UI_TEST(ZoomTest)
#include "zoom_test.moc"
