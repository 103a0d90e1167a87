// The main window right after start, in both editions: caption, menus, controls in their places,
// blank letters and the status line.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "ui/app_look.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

// Object names of a menu's entries, separators included, in menu order.
QStringList EntryNames(QMenu* menu) {
    QStringList names;
    for (QAction* action : menu->actions()) names << action->objectName();
    return names;
}

// Whether the strip left of an item's text, where a check mark goes, shows anything but the
// menu's background.
bool MarkShown(QMenu* menu, QAction* action) {
    menu->resize(menu->sizeHint());
    const QImage shown = menu->grab().toImage();
    const QRect item = menu->actionGeometry(action);
    const QRgb background = shown.pixel(item.left() + 1, item.top() + 1);
    for (int y = item.top() + 1; y < item.bottom(); ++y) {
        for (int x = item.left() + 1; x < item.left() + 18; ++x) {
            if (shown.pixel(x, y) != background) return true;
        }
    }
    return false;
}

QStringList EntryTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) texts << Caption(action);
    }
    return texts;
}

}  // namespace

class StartStateTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ApplyClassicLook(*qApp); }

    void CaptionsAfterStart_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("caption");
        QTest::newRow("rus") << 0 << Q("Runewright v4.01 \"RUS-Full\" - [no file]");
        QTest::newRow("eng") << 1 << Q("Runewright v4.01 \"ENG-Full\" - [no file]");
    }
    void CaptionsAfterStart() {
        QFETCH(int, edition);
        QFETCH(QString, caption);
        Window w(static_cast<Edition>(edition));
        QCOMPARE(w.form->windowTitle(), caption);
        QCOMPARE(w.form->objectName(), QStringLiteral("Form1"));
        QCOMPARE(Caption(w.Menu("N1")), Q("Файл"));
        QCOMPARE(Caption(w.Menu("N6")), Q("Шрифт (Normal)"));
        QCOMPARE(Caption(w.Menu("N3")), Q("Телефон (S/ME 45)"));
        QCOMPARE(Caption(w.Menu("N4")), Q("Инфо"));
        QVERIFY(w.Action("N451")->isChecked());
        QVERIFY(w.Action("Normal1")->isChecked());
        QVERIFY(w.Action("N24")->isChecked());
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q(edition == 0 ? "А" : "A"));
        QCOMPARE(w.Find<QPushButton>("Button1")->text(), Q("Записать в шрифт"));
        QVERIFY(w.Find<QPushButton>("Button1")->isEnabled());
    }

    // The window opens at its contents' size, which is also the smallest it may take; it may
    // grow and be maximised.
    void ClientAreaIsFixedAndCentredOnScreen() {
        for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
            Window w(edition);
            const QSize client = edition == Edition::Latin ? QSize(641, 289) : QSize(641, 290);
            QCOMPARE(w.form->ClientArea()->size(), client);
            QCOMPARE(w.form->minimumSizeHint(), w.form->size());
            QVERIFY(w.form->maximumSize().width() > 4 * client.width());
            QVERIFY(w.form->windowFlags() & Qt::WindowMaximizeButtonHint);
            QVERIFY(w.form->windowFlags() & Qt::WindowMinimizeButtonHint);
            QVERIFY(!w.form->windowIcon().isNull());
        }
    }

    void CyrillicMenusItemForItem() {
        Window w(Edition::Cyrillic);
        QCOMPARE(EntryNames(w.Menu("N1")),
                 QStringList({"N2", "N23", "N14", "N41", "N39", "N13", "SFTSBF1", "N8",
                              "RecentFiles1", "RecentSeparator1", "N5"}));
        QCOMPARE(EntryTexts(w.Menu("N1")),
                 QStringList({Q("Загрузить шрифт из fullflash"), Q("Сохранить шрифт в fullflash"),
                              Q("Загрузить шрифт из файла"), Q("Сохранить шрифт в файл"),
                              Q("SFT -> SBF"), Q("Последние файлы"), Q("Выход")}));
        QVERIFY(!w.Action("SFTSBF1")->isEnabled());
        QCOMPARE(EntryTexts(w.Menu("SFTSBF1")),
                 QStringList({Q("Загрузить тонкий"), Q("Загрузить жирный")}));
        QCOMPARE(EntryNames(w.Menu("N6")), QStringList({"N16", "N17", "N18", "N7", "N12", "N15"}));
        QCOMPARE(EntryNames(w.Menu("N12")),
                 QStringList({"Small1", "Normal1", "Forwap1", "Bigest1"}));
        QCOMPARE(EntryNames(w.Menu("N15")),
                 QStringList({"N19", "N20", "N21", "N22", "N25", "N27", "N28", "N26", "N24"}));
        QCOMPARE(EntryTexts(w.Menu("N15")),
                 QStringList({Q("Только \"А - Я\", нормальный"), Q("Только \"а - я\", нормальный"),
                              Q("Только \"А - Я\", жирный"), Q("Только \"а - я\", жирный"),
                              Q("Только нормальный"), Q("Только жирный"), Q("Весь шрифт")}));
        QCOMPARE(EntryNames(w.Menu("N3")),
                 QStringList({"CMS351", "S351", "N451", "N45i1", "C451", "M501"}));
        QCOMPARE(EntryTexts(w.Menu("N3")),
                 QStringList({"C/M 35", "S 35", "S/ME 45", "S/ME 45i", "C 45", "M 50"}));
        QCOMPARE(EntryNames(w.Menu("N4")), QStringList({"N9", "N11", "N10", "About1"}));
        QCOMPARE(EntryTexts(w.Menu("N4")),
                 QStringList({Q("Инструкция"), Q("История"), Q("About")}));
        QVERIFY(w.Menu("Lang") == nullptr);
        // Файл, Правка, Шрифт, Телефон, Сервис, Инфо.
        QCOMPARE(w.form->menuBar()->actions().size(), 6);
        QCOMPARE(Caption(w.Menu("Service1")), Q("Сервис"));
        QCOMPARE(EntryNames(w.Menu("Service1")),
                 QStringList({"ImportFont1", "ImportPng1", "ExportPng1", "TextPreview1",
                              "PatchSeparator1", "ExportPatch1", "ImportPatch1", "ShowOriginal1",
                              "KeysSeparator1", "Keys1", "ZoomSeparator1", "Zoom1"}));
        QCOMPARE(EntryTexts(w.Menu("Service1")),
                 QStringList({Q("Импорт из шрифта..."), Q("Импорт из PNG..."),
                              Q("Экспорт в PNG..."), Q("Просмотр текста..."),
                              Q("Экспорт патча (.vkp)..."), Q("Импорт из патча (.vkp)..."),
                              Q("Показывать исходную букву"), Q("Клавиши"), Q("Масштаб")}));
    }

    // One check mark beside the chosen item and nothing beside the others, as in the phone,
    // font-kind, load and language menus of the window definition.
    void OnlyCheckedItemsShowAMark() {
        Window w(Edition::Latin);
        QVERIFY(MarkShown(w.Menu("N3"), w.Action("N451")));
        QVERIFY(!MarkShown(w.Menu("N3"), w.Action("CMS351")));
        QVERIFY(!MarkShown(w.Menu("N3"), w.Action("M501")));
        QVERIFY(MarkShown(w.Menu("N12"), w.Action("Normal1")));
        QVERIFY(!MarkShown(w.Menu("N12"), w.Action("Small1")));
        QVERIFY(MarkShown(w.Menu("N15"), w.Action("N24")));
        QVERIFY(!MarkShown(w.Menu("N15"), w.Action("N19")));
        QVERIFY(MarkShown(w.Menu("Lang"), w.Action("N8")));
        QVERIFY(!MarkShown(w.Menu("Lang"), w.Action("English1")));
        w.Action("C451")->trigger();
        QVERIFY(MarkShown(w.Menu("N3"), w.Action("C451")));
        QVERIFY(!MarkShown(w.Menu("N3"), w.Action("N451")));
    }

    void LatinMenusItemForItem() {
        Window w(Edition::Latin);
        QCOMPARE(EntryNames(w.Menu("N1")), QStringList({"N2", "N23", "N14", "N41", "N39", "N13",
                                                        "RecentFiles1", "RecentSeparator1", "N5"}));
        QVERIFY(w.Menu("SFTSBF1") == nullptr);
        const QStringList scopes = EntryNames(w.Menu("N15"));
        QCOMPARE(scopes, QStringList({"N19", "N20", "Sym11", "N21", "N22", "Sym12", "N25", "N27",
                                      "N28", "AZaz1", "Symbols1", "N26", "N24"}));
        QList<int> tags;
        for (QAction* action : w.Menu("N15")->actions()) {
            if (!action->isSeparator()) tags << action->data().toInt();
        }
        QCOMPARE(tags, QList<int>({0, 1, 7, 2, 3, 8, 4, 5, 9, 10, 6}));
        QCOMPARE(Caption(w.Action("AZaz1")), Q("Только \"A - Z\", \"a - z\""));
        QCOMPARE(Caption(w.Action("C451")), Q("C45"));
        QCOMPARE(Caption(w.Menu("Lang")), Q("Язык"));
        QCOMPARE(EntryTexts(w.Menu("Lang")), QStringList({Q("Русский"), Q("English")}));
        QVERIFY(w.Action("N8")->isChecked());
        QVERIFY(!w.Action("English1")->isChecked());
        // Файл, Правка, Шрифт, Телефон, Язык, Сервис, Инфо.
        QCOMPARE(w.form->menuBar()->actions().size(), 7);
        QCOMPARE(Caption(w.form->menuBar()->actions().at(4)), Q("Язык"));
        QCOMPARE(Caption(w.form->menuBar()->actions().at(5)), Q("Сервис"));
    }

    // The window definition's places, in client-area coordinates.
    void ControlsWhereTheWindowDefinitionPutsThem() {
        Window w(Edition::Cyrillic);
        QWidget* client = w.form->ClientArea();
        auto at = [&](const char* name) {
            QWidget* widget = w.Find(QLatin1String(name));
            return QRect(widget->mapTo(client, QPoint(0, 0)), widget->size());
        };
        QCOMPARE(at("Panel108"), QRect(8, 8, 65, 273));
        QCOMPARE(at("Label1"), QRect(20, 9, 41, 15));
        QCOMPARE(at("Label18"), QRect(20, 9 + 17 * 15, 41, 15));
        QCOMPARE(at("EditGrid"), QRect(80, 8, 272, 272));
        QCOMPARE(at("Panel106"), QRect(360, 8, 273, 135));
        QCOMPARE(at("PaintBox1"), QRect(368, 44, 16, 16));
        QCOMPARE(at("PaintBox12"), QRect(368, 68, 16, 16));
        QCOMPARE(at("PaintBox34"), QRect(368, 116, 16, 16));
        QCOMPARE(at("SpeedButton2"), QRect(360, 148, 41, 25));
        QCOMPARE(at("SpeedButton3"), QRect(400, 148, 41, 25));
        QCOMPARE(at("SpeedButton1"), QRect(448, 148, 41, 25));
        QCOMPARE(at("Panel107"), QRect(360, 178, 129, 103));
        QCOMPARE(at("Panel113"), QRect(496, 148, 137, 133));
        QCOMPARE(at("PaintBoxEdit").size(), QSize(16, 16));
        QCOMPARE(at("Panel109").size(), QSize(18, 10));
        // The strip lies over the edit image's row 0 and not below it.
        QVERIFY(at("Panel109").contains(at("PaintBoxEdit").topLeft()));
        QVERIFY(!at("Panel109").contains(at("PaintBoxEdit").topLeft() + QPoint(0, 1)));
        for (const char* name : {"ImageIO1", "ImageIO2", "ImageIO3", "ImageIO4"}) {
            QCOMPARE(at(name).size(), QSize(14, 14));
        }
        const QRect frame = at("Panel105");
        QVERIFY(at("ImageIO1").left() >= frame.right());  // right
        QVERIFY(at("ImageIO2").right() <= frame.left());  // left
        QVERIFY(at("ImageIO3").bottom() <= frame.top());  // up
        QVERIFY(at("ImageIO4").top() >= frame.bottom());  // down
        // The selection frame lies around the first letter, the Ё/Є covers off the window.
        QCOMPARE(at("LabelBackLeft"), QRect(367, 43, 1, 18));
        QCOMPARE(at("LabelBackBottom"), QRect(367, 61, 18, 1));
        QCOMPARE(w.Find("Panel_YO1")->x(), -1000);
        QCOMPARE(w.Find("Panel_YO2")->x(), -1000);

        Window latin(Edition::Latin);
        QWidget* latin_client = latin.form->ClientArea();
        auto latin_at = [&](const char* name) {
            QWidget* widget = latin.Find(QLatin1String(name));
            return QRect(widget->mapTo(latin_client, QPoint(0, 0)), widget->size());
        };
        QCOMPARE(latin_at("SpeedButton2"), QRect(360, 148, 25, 25));
        QCOMPARE(latin_at("SpeedButton5"), QRect(432, 148, 25, 25));
        QCOMPARE(latin_at("SpeedButton1"), QRect(464, 148, 25, 25));
        QCOMPARE(latin_at("PaintBox37"), QRect(368 + 72, 116, 16, 16));
        QCOMPARE(latin.Find("PanelClose1")->geometry(), QRect(104, 80, 161, 25));
        QCOMPARE(latin.Find("PanelClose2")->geometry(), QRect(8, 104, 161, 25));
    }

    // Cyrillic: white 8 x 13 areas with grey to the right and below; the width row 0 lies under
    // the 8-pixel white marker. Latin: white 16 x 12 areas with grey below.
    void BlankLettersAfterStart() {
        Window cyrillic(Edition::Cyrillic);
        QWidget* panel = cyrillic.Find("Panel106");
        QImage shown = panel->grab().toImage();
        const QPoint a(8, 36);  // PaintBox1 inside Panel106
        QCOMPARE(Pixel(shown, a + QPoint(0, 0)), kWhitePixel);
        QCOMPARE(Pixel(shown, a + QPoint(7, 12)), kWhitePixel);
        QCOMPARE(Pixel(shown, a + QPoint(8, 5)), kGreyPixel);
        QCOMPARE(Pixel(shown, a + QPoint(3, 13)), kGreyPixel);
        QCOMPARE(Pixel(shown, a + QPoint(15, 15)), kGreyPixel);
        const QPoint ye(8, 108);  // PaintBox34
        QCOMPARE(Pixel(shown, ye + QPoint(7, 12)), kWhitePixel);
        QCOMPARE(Pixel(shown, ye + QPoint(8, 12)), kGreyPixel);

        Window latin(Edition::Latin);
        shown = latin.Find("Panel106")->grab().toImage();
        QCOMPARE(Pixel(shown, a + QPoint(15, 11)), kWhitePixel);
        QCOMPARE(Pixel(shown, a + QPoint(15, 0)), kWhitePixel);
        QCOMPARE(Pixel(shown, a + QPoint(15, 12)), kGreyPixel);
    }

    void GridCellsAfterStart() {
        Window w(Edition::Cyrillic);
        const QImage shown = w.Client();
        auto cell = [&](int row, int col) {
            return Pixel(shown, QPoint(80 + 17 * col + 8, 8 + 17 * row + 8));
        };
        QCOMPARE(cell(1, 1), kWhitePixel);   // a pixel of the narrow glyph
        QCOMPARE(cell(11, 7), kWhitePixel);  // last row of Normal
        QCOMPARE(cell(0, 0), kGreyPixel);    // width bit 7, clear
        QCOMPARE(cell(1, 0), kGreyPixel);    // unused column
        QCOMPARE(cell(12, 3), kGreyPixel);   // Big only: button face
        QCOMPARE(cell(1, 8), kGreyPixel);
        // Raised: a light top-left edge and a dark bottom-right edge.
        QCOMPARE(Pixel(shown, QPoint(80 + 17, 8 + 17 + 5)), kWhitePixel);
        QCOMPARE(Pixel(shown, QPoint(80 + 17 + 16, 8 + 17 + 5)), QRgb(0x808080));
        QCOMPARE(w.Find<QLabel>("Label1")->text(), Q("00 --"));
        QCOMPARE(w.Find<QLabel>("Label13")->text(), Q("-- --"));
        QCOMPARE(w.Find<QLabel>("Label0")->text(), Q("0"));
    }

    void StatusLineShowsTheHintUnderThePointer() {
        Window w(Edition::Cyrillic);
        QVERIFY(w.active);
        auto* status = w.Find<QLabel>("LabelOffcet");
        w.Hover(w.Find("SpeedButton1"));
        QCOMPARE(status->text(), Q("Нормальный / Жирный"));
        w.Hover(w.Find("PaintBox2"));
        QCOMPARE(status->text(), Q("Б"));
        w.Hover(w.Find("EditGrid"), QPoint(17 * 9 + 3, 17 * 3 + 3));  // column 9: Big only
        QCOMPARE(status->text(), Q("Биты для шрифта Big"));
        w.Hover(w.Find("EditGrid"), QPoint(17 * 3 + 3, 17 * 12 + 3));  // row 12: Big only
        QCOMPARE(status->text(), Q("Биты для шрифта Big"));
        w.Hover(w.Find("EditGrid"), QPoint(17 * 6 + 3, 3));  // width bit 1
        QCOMPARE(status->text(), Q("Бит 1 ширины буквы"));
        w.Hover(w.Find("ImageIO3"));
        QCOMPARE(status->text(), Q("Сдвиг вверх"));
        w.Hover(w.Find("Button8"));
        QCOMPARE(status->text(), Q("Копировать в буфер всё"));
        // Over a control without a hint the line is empty again.
        w.Hover(w.Find("Panel108"), QPoint(2, 2));
        QCOMPARE(status->text(), QString());
    }
};

RUNEWRIGHT_UI_TEST(StartStateTest)
#include "start_state_test.moc"
