// Editing in the main window as a user does it: model and kind choices, the case, set and bold
// buttons on press with any mouse button, the shift arrows, the clipboard and the covers.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "ui/app_look.h"
#include "ui/image_button.h"
#include "ui/pictures.h"
#include "ui/speed_button.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

bool IsDown(const Window& w, const char* name) {
    return w.Find<SpeedButton>(QLatin1String(name))->IsDown();
}

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ApplyClassicLook(*qApp); }

    void ModelAndKindChoicesFollowTheLayout() {
        Window w(Edition::Cyrillic);
        auto* status = w.Find<QLabel>("LabelOffcet");
        w.Action("CMS351")->trigger();
        QCOMPARE(Caption(w.Menu("N3")), Q("Телефон (C/M 35)"));
        QVERIFY(w.Action("CMS351")->isChecked());
        QVERIFY(!w.Action("N451")->isChecked());
        QCOMPARE(w.Find("Panel_YO1")->x(), 151);
        QCOMPARE(w.Find("Panel_YO2")->x(), 7);
        w.Hover(w.Find("Image2"));
        QCOMPARE(status->text(), Q("Ё"));
        // Ё is covered: a press there selects nothing.
        w.Press(w.Find("PaintBox7"));
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("А"));
        QCOMPARE(w.form->editor().state().selected_slot(), 0);

        w.Action("Small1")->trigger();
        QCOMPARE(Caption(w.Menu("N6")), Q("Шрифт (Small)"));
        QVERIFY(w.Action("Small1")->isChecked());
        QVERIFY(!w.Action("Normal1")->isChecked());
        QVERIFY(w.Find("SpeedButton1")->isHidden());
        for (const char* bold_only : {"N21", "N22", "N28"}) {
            QVERIFY(!w.Action(QLatin1String(bold_only))->isEnabled());
        }
        QVERIFY(w.Action("N27")->isEnabled());
        QCOMPARE(w.Find<QLabel>("Label11")->text(), Q("-- --"));  // row 10
        w.Hover(w.Find("EditGrid"), CellCentre(10, 3));
        QCOMPARE(status->text(), Q("Биты для шрифтов Normal & Big"));

        w.Action("S351")->trigger();  // S 35 Small has a bold weight
        QVERIFY(!w.Find("SpeedButton1")->isHidden());
        QVERIFY(w.Action("N21")->isEnabled());
        QCOMPARE(Caption(w.Menu("N6")), Q("Шрифт (Small)"));

        w.Action("C451")->trigger();  // every C 45 font is wide
        QVERIFY(w.Action("SFTSBF1")->isEnabled());
        QCOMPARE(w.Find("Panel110")->width(), 16);
        QCOMPARE(w.Find("Panel144")->width(), 16);
        QCOMPARE(w.Find("Panel_YO1")->x(), -1000);
        QCOMPARE(w.Find<QLabel>("Label1")->text(), Q("00 00"));
        // Columns 8..15 now hold pixels: a press there toggles one.
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(1, 15));
        QCOMPARE(w.Find<QLabel>("Label2")->text(), Q("00 01"));
        const QImage client = w.Client();
        QCOMPARE(Pixel(client, QPoint(80, 8) + CellCentre(1, 15)), kBlackPixel);

        w.Action("N451")->trigger();
        QVERIFY(!w.Action("SFTSBF1")->isEnabled());
        QCOMPARE(w.Find("Panel110")->width(), 8);
        QCOMPARE(Caption(w.Menu("N3")), Q("Телефон (S/ME 45)"));
    }

    // The buttons act when the mouse button goes down, with any button, and see their state
    // from before the press.
    void CaseAndBoldButtonsActOnPressWithAnyButton() {
        Window w(Edition::Cyrillic);
        w.Press(w.Find("SpeedButton1"), Qt::RightButton);
        QVERIFY(IsDown(w, "SpeedButton1"));
        QCOMPARE(w.form->editor().state().block(), 2);
        QVERIFY(w.Find<QLabel>("Label15")->font().bold());
        w.Press(w.Find("SpeedButton3"), Qt::MiddleButton);
        QCOMPARE(w.form->editor().state().block(), 3);
        QVERIFY(IsDown(w, "SpeedButton3"));
        QVERIFY(!IsDown(w, "SpeedButton2"));
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("а"));
        w.Press(w.Find("SpeedButton3"));  // already down: nothing changes
        QCOMPARE(w.form->editor().state().block(), 3);
        QVERIFY(IsDown(w, "SpeedButton3"));

        w.Action("Forwap1")->trigger();  // Browser has one weight
        QCOMPARE(w.form->editor().state().block(), 1);
        QVERIFY(!IsDown(w, "SpeedButton1"));
        QVERIFY(w.Find("SpeedButton1")->isHidden());
        QVERIFY(!w.Find<QLabel>("Label15")->font().bold());

        w.Press(w.Find("SpeedButton2"));
        QCOMPARE(w.form->editor().state().block(), 0);
        QVERIFY(IsDown(w, "SpeedButton2"));
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("А"));
    }

    void ThumbnailPressSelectsAndFramesTheLetter() {
        Window w(Edition::Cyrillic);
        w.Press(w.Find("PaintBox13"), Qt::RightButton);  // Л, second row, second column
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("Л"));
        QCOMPARE(w.Find("LabelBackLeft")->geometry(), QRect(8 + 24 - 1, 60 - 1, 1, 18));
        QCOMPARE(w.Find("LabelBackTop")->geometry(), QRect(8 + 24 - 1, 60 - 1, 18, 1));
        QCOMPARE(w.Find("LabelBackRight")->geometry(), QRect(8 + 24 + 17, 60 - 1, 1, 18));
        QCOMPARE(w.Find("LabelBackBottom")->geometry(), QRect(8 + 24 - 1, 60 + 17, 18, 1));
        const QImage panel = w.Find("Panel106")->grab().toImage();
        QCOMPARE(Pixel(panel, QPoint(8 + 24 - 1, 60 + 5)), QRgb(0xFF8000));
        // The edit image names the letter on the status line.
        w.Hover(w.Find("PaintBoxEdit"));
        QCOMPARE(w.Find<QLabel>("LabelOffcet")->text(), Q("Л"));
    }

    // Edits stay in the grid until "Записать в шрифт"; another letter throws them away.
    void EditsReachTheFontOnlyByWriteBack() {
        Window w(Edition::Cyrillic);
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(2, 3));
        QCOMPARE(w.Find<QLabel>("Label3")->text(), Q("10 --"));
        QCOMPARE(w.Find<QLabel>("Label1")->text(), Q("04 --"));
        QCOMPARE(w.Find<QLabel>("Label0")->text(), Q("4"));
        const QImage client = w.Client();
        QCOMPARE(Pixel(client, QPoint(80, 8) + CellCentre(0, 5)), QRgb(0xFF0000));  // width bit 2
        // Row 0 and column 0 never react.
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(0, 3));
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(3, 0));
        QCOMPARE(w.Find<QLabel>("Label1")->text(), Q("04 --"));
        QCOMPARE(w.Find<QLabel>("Label4")->text(), Q("00 --"));

        w.Press(w.Find("PaintBox2"));
        w.Press(w.Find("PaintBox1"));
        QCOMPARE(w.Find<QLabel>("Label3")->text(), Q("00 --"));
        QCOMPARE(w.form->editor().font().Narrow({0, 0})[2], uint8_t{0});

        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(2, 3));
        QTest::mouseClick(w.Find<QPushButton>("Button1"), Qt::LeftButton);
        QCOMPARE(w.form->editor().font().Narrow({0, 0})[2], uint8_t{0x10});
        w.Press(w.Find("PaintBox2"));
        w.Press(w.Find("PaintBox1"));
        QCOMPARE(w.Find<QLabel>("Label3")->text(), Q("10 --"));
    }

    // The second press of a double click toggles the pixel back.
    void ADoubleClickIsTwoPresses() {
        Window w(Edition::Cyrillic);
        const QPoint cell = w.Find("EditGrid")->mapTo(w.form.get(), CellCentre(2, 3));
        QTest::mouseDClick(w.form->windowHandle(), Qt::LeftButton, Qt::NoModifier, cell);
        QCOMPARE(w.Find<QLabel>("Label3")->text(), Q("00 --"));
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(2, 3));
        QCOMPARE(w.Find<QLabel>("Label3")->text(), Q("10 --"));
        QTest::mouseDClick(w.form->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                           w.Find("ImageIO1")->mapTo(w.form.get(), QPoint(7, 7)));
        QCOMPARE(w.Find<QLabel>("Label3")->text(), Q("04 --"));
        // The bold button goes down on the first press and up again on the second.
        QTest::mouseDClick(w.form->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                           w.Find("SpeedButton1")->mapTo(w.form.get(), QPoint(10, 10)));
        QVERIFY(!IsDown(w, "SpeedButton1"));
        QCOMPARE(w.form->editor().state().block(), 0);
    }

    void ShiftArrowsMoveTheWorkingGlyphAndLightUpUnderThePointer() {
        Window w(Edition::Cyrillic);
        const ArrowPictures arrows = ArrowPictures::Make();
        auto* right = w.Find<TImageIO>("ImageIO1");
        QCOMPARE(right->Picture(), arrows.ioRTn);
        w.Hover(right);
        QCOMPARE(right->Picture(), arrows.ioRTp);
        QCOMPARE(w.Find<QLabel>("LabelOffcet")->text(), Q("Сдвиг вправо"));
        w.Hover(w.Find("Panel113"), QPoint(2, 2));
        QCOMPARE(right->Picture(), arrows.ioRTn);

        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(2, 3));
        w.Press(right, Qt::RightButton);
        QCOMPARE(w.Find<QLabel>("Label3")->text(), Q("08 --"));
        w.Press(w.Find("ImageIO4"));  // down
        QCOMPARE(w.Find<QLabel>("Label3")->text(), Q("00 --"));
        QCOMPARE(w.Find<QLabel>("Label4")->text(), Q("08 --"));
        w.Press(w.Find("ImageIO2"));  // left
        w.Press(w.Find("ImageIO3"));  // up
        QCOMPARE(w.Find<QLabel>("Label3")->text(), Q("10 --"));
        QCOMPARE(w.form->editor().font().Narrow({0, 0})[2], uint8_t{0});
        // The frame stays on the letter last pressed.
        QCOMPARE(w.Find("LabelBackLeft")->x(), 7);
    }

    void ClipboardCopiesALetterOntoAnother() {
        Window w(Edition::Cyrillic);
        w.Press(w.Find("PaintBox2"));  // Б
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(4, 4));
        QTest::mouseClick(w.Find<QPushButton>("Button1"), Qt::LeftButton);
        QTest::mouseClick(w.Find<QPushButton>("Button10"), Qt::LeftButton);  // copy current
        w.Press(w.Find("PaintBox5"));                                        // Д
        QTest::mouseClick(w.Find<QPushButton>("Button11"), Qt::LeftButton);  // paste current
        QCOMPARE(w.form->editor().font().Narrow({0, 4}), w.form->editor().font().Narrow({0, 1}));
        QCOMPARE(w.Find<QLabel>("Label5")->text(), Q("08 --"));
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("Д"));

        QTest::mouseClick(w.Find<QPushButton>("Button8"), Qt::LeftButton);  // copy block
        w.Press(w.Find("SpeedButton1"));                                    // bold
        QTest::mouseClick(w.Find<QPushButton>("Button9"), Qt::LeftButton);  // paste block
        QCOMPARE(w.form->editor().font().narrow[2], w.form->editor().font().narrow[0]);
    }

    void ClearItemsEmptyTheFont() {
        Window w(Edition::Cyrillic);
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(2, 3));
        QTest::mouseClick(w.Find<QPushButton>("Button1"), Qt::LeftButton);
        w.Action("N16")->trigger();  // "Очистить букву"
        QCOMPARE(w.form->editor().font().Narrow({0, 0})[2], uint8_t{0});
        QCOMPARE(w.Find<QLabel>("Label3")->text(), Q("00 --"));
    }

    void LatinSetButtonsMoveTheCoversAndRenameTheLetters() {
        Window w(Edition::Latin);
        auto* status = w.Find<QLabel>("LabelOffcet");
        QCOMPARE(w.Find("PanelClose1")->x(), 104);
        QCOMPARE(w.Find("PanelClose2")->x(), 8);
        w.Press(w.Find("SpeedButton4"), Qt::RightButton);  // "s1"
        QVERIFY(IsDown(w, "SpeedButton4"));
        QVERIFY(!IsDown(w, "SpeedButton2"));
        QCOMPARE(w.Find("PanelClose1")->x(), -1000);
        QCOMPARE(w.Find("PanelClose2")->x(), 104);
        QCOMPARE(w.form->editor().state().block(), 2);
        w.Hover(w.Find("PaintBox6"));
        QCOMPARE(status->text(), Q("&"));
        w.Press(w.Find("PaintBox6"));
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("&"));
        w.Press(w.Find("PaintBox37"));  // "_", visible with set 1
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("_"));

        w.Press(w.Find("SpeedButton5"));  // "s2": only thumbnail 37 is covered
        QCOMPARE(w.Find("PanelClose2")->x(), 80);
        QCOMPARE(w.Find<QLabel>("Label15")->text(), QString());
        w.Press(w.Find("PaintBox9"));
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("¤"));
        w.Press(w.Find("PaintBox37"));  // covered: nothing happens
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("¤"));
        w.Press(w.Find("PaintBox6"));
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("·"));
        w.Hover(w.Find("PaintBox6"));
        QCOMPARE(status->text(), Q("Unicode Char 00A1"));

        w.Press(w.Find("SpeedButton1"));
        QCOMPARE(w.form->editor().state().block(), 7);
        w.Press(w.Find("SpeedButton2"));  // "A"
        QCOMPARE(w.form->editor().state().block(), 4);
        QCOMPARE(w.Find("PanelClose1")->x(), 104);
        QCOMPARE(w.Find("PanelClose2")->x(), 8);
        w.Hover(w.Find("SpeedButton4"));
        QCOMPARE(status->text(), Q("Набор символов 1"));
    }

    void LatinLanguageSwitchRenamesTheWindow() {
        Window w(Edition::Latin);
        w.Action("English1")->trigger();
        QVERIFY(w.Action("English1")->isChecked());
        QVERIFY(!w.Action("N8")->isChecked());
        QCOMPARE(Caption(w.Menu("N1")), Q("File"));
        QCOMPARE(Caption(w.Menu("N6")), Q("Font (Normal)"));
        QCOMPARE(Caption(w.Menu("N3")), Q("Phone (S/ME 45)"));
        QCOMPARE(Caption(w.Action("N24")), Q("All"));
        QCOMPARE(w.Find<QPushButton>("Button1")->text(), Q("Write to font"));
        QCOMPARE(w.Find<QLabel>("Label14")->text(), Q("Letter"));
        w.Hover(w.Find("Button1"));
        QCOMPARE(w.Find<QLabel>("LabelOffcet")->text(), Q("Update letter"));
        w.dialogs->save_answers.push_back(QString());
        w.Action("N23")->trigger();
        QCOMPARE(w.dialogs->save_requests.back().title, Q("Save into fullflash..."));
        w.Action("N8")->trigger();
        QCOMPARE(Caption(w.Menu("N1")), Q("Файл"));
        QCOMPARE(w.Find<QPushButton>("Button8")->text(), Q("Копировать блок"));
    }

    // Only the first activation applies the start selection: coming back to the window keeps
    // edits not yet written back.
    void LaterActivationsKeepTheEdits() {
        Window w(Edition::Cyrillic);
        w.Press(w.Find("PaintBox3"));
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(2, 3));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(w.form.get(), &activate);
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("В"));
        QCOMPARE(w.Find<QLabel>("Label3")->text(), Q("10 --"));
    }

    void ExitClosesTheWindowAtOnce() {
        Window w(Edition::Cyrillic);
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(2, 3));
        w.Action("N5")->trigger();
        QVERIFY(!w.form->isVisible());
    }
};

RUNEWRIGHT_UI_TEST(EditingTest)
#include "editing_test.moc"
