// The interface language switch of the Latin edition, seen in every kind of text it changes:
// menus, hints, dialog titles, grid hints, the info windows' captions and visible texts; and what
// it keeps: the letter, the set, the weight and every glyph. The Info menu shows its windows
// modally in both editions.
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "ui/app_look.h"
#include "ui/info_windows.h"
#include "ui/speed_button.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

// The main window with its help, history and About windows, made in the program's order.
struct Program {
    explicit Program(Edition edition) : w(edition), info(edition) {
        w.form->SetInfoWindows(&info.form3, &info.form4, &info.form5);
    }
    Window w;
    InfoWindows info;

    QString Status() const { return w.Find<QLabel>("LabelOffcet")->text(); }
    QString StatusOver(QWidget* control, QPoint at = QPoint(-1, -1)) const {
        w.Hover(control, at);
        return Status();
    }
};

// Chooses a menu item that shows a window modally and reports which window came up.
QWidget* ModalWindowOf(QAction* item) {
    QWidget* shown = nullptr;
    QTimer::singleShot(0, [&] {
        shown = QApplication::activeModalWidget();
        if (shown != nullptr) shown->close();
    });
    item->trigger();
    return shown;
}

QStringList TopMenuNames(QMenuBar* bar) {
    QStringList names;
    for (QAction* action : bar->actions()) {
        if (action->menu() != nullptr) names << action->menu()->objectName();
    }
    return names;
}

}  // namespace

class LanguageSwitchTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ApplyClassicLook(*qApp); }

    void LanguageMenuOnlyInTheLatinEdition() {
        Program latin(Edition::Latin);
        QCOMPARE(TopMenuNames(latin.w.form->menuBar()),
                 (QStringList{"N1", "EditMenu", "N6", "N3", "Lang", "Service1", "N4"}));
        QCOMPARE(Caption(latin.w.Menu("Lang")), Q("Язык"));
        QVERIFY(latin.w.Action("N8")->isChecked());
        QVERIFY(!latin.w.Action("English1")->isChecked());
        QCOMPARE(Caption(latin.w.Action("N8")), Q("Русский"));

        Program cyrillic(Edition::Cyrillic);
        QCOMPARE(TopMenuNames(cyrillic.w.form->menuBar()),
                 (QStringList{"N1", "EditMenu", "N6", "N3", "Service1", "N4"}));
        QVERIFY(cyrillic.w.Action("English1") == nullptr);
    }

    void EnglishRenamesEveryKindOfText() {
        Program p(Edition::Latin);
        Window& w = p.w;
        QVERIFY(w.active);
        const QString caption = w.form->windowTitle();
        w.Action("English1")->trigger();
        QVERIFY(w.Action("English1")->isChecked());
        QVERIFY(!w.Action("N8")->isChecked());

        // Menus.
        QCOMPARE(Caption(w.Menu("N1")), Q("File"));
        QCOMPARE(Caption(w.Action("N2")), Q("Load font from FullFlash"));
        QCOMPARE(Caption(w.Action("N5")), Q("Exit"));
        QCOMPARE(Caption(w.Action("N16")), Q("Clear letter"));
        QCOMPARE(Caption(w.Menu("N12")), Q("Font type"));
        QCOMPARE(Caption(w.Menu("N15")), Q("Loader settings ..."));
        QCOMPARE(Caption(w.Action("Sym12")), Q("Only \"Symbols\", bold"));
        QCOMPARE(Caption(w.Action("AZaz1")), Q("Only \"A - Z\", \"a - z\""));
        QCOMPARE(Caption(w.Menu("N6")), Q("Font (Normal)"));
        QCOMPARE(Caption(w.Menu("N3")), Q("Phone (S/ME 45)"));
        QCOMPARE(Caption(w.Menu("Lang")), Q("Language"));
        QCOMPARE(Caption(w.Menu("N4")), Q("Info"));
        QCOMPARE(Caption(w.Action("N9")), Q("Instrustion"));
        QCOMPARE(Caption(w.Action("N10")), Q("History"));
        // These keep their texts in both languages.
        QCOMPARE(Caption(w.Action("About1")), Q("About"));
        QCOMPARE(Caption(w.Action("N8")), Q("Русский"));
        QCOMPARE(Caption(w.Action("C451")), Q("C45"));
        QCOMPARE(Caption(w.Action("Forwap1")), Q("Browser"));
        QCOMPARE(w.form->windowTitle(), caption);

        // Captions and hints of the controls, read in the status line.
        QCOMPARE(w.Find<QPushButton>("Button1")->text(), Q("Write to font"));
        QCOMPARE(w.Find<QPushButton>("Button9")->text(), Q("Paste block"));
        QCOMPARE(w.Find<QPushButton>("Button11")->text(), Q("Paste current"));
        QCOMPARE(w.Find<QLabel>("Label14")->text(), Q("Letter"));
        QCOMPARE(w.Find<QLabel>("Label00")->text(), Q("Width"));
        QCOMPARE(p.StatusOver(w.Find("SpeedButton1")), Q("Normal / Bold"));
        QCOMPARE(p.StatusOver(w.Find("SpeedButton5")), Q("Symbols set 2"));
        QCOMPARE(p.StatusOver(w.Find("Button10")), Q("Copy letter into buffer"));
        QCOMPARE(p.StatusOver(w.Find("ImageIO4")), Q("Shift down"));
        // The thumbnails keep their letters.
        QCOMPARE(p.StatusOver(w.Find("PaintBox2")), Q("B"));

        // Grid hints, on the rebuilt grid.
        QWidget* grid = w.Find("EditGrid");
        QCOMPARE(p.StatusOver(grid, CellCentre(13, 4)), Q("Bit for Big font"));
        QCOMPARE(p.StatusOver(grid, CellCentre(0, 14)), Q("Width, Bit 1"));
        QCOMPARE(p.StatusOver(grid, CellCentre(5, 0)), Q("Unused bit"));

        // Dialog titles.
        w.dialogs->open_answers.push_back(QString());
        w.Action("N2")->trigger();
        QCOMPARE(w.dialogs->open_requests.back().title, Q("Load from fullflash..."));
        w.dialogs->open_answers.push_back(QString());
        w.Action("N41")->trigger();
        QCOMPARE(w.dialogs->open_requests.back().title, Q("Load from fontfile..."));
        w.dialogs->save_answers.push_back(QString());
        w.Action("N23")->trigger();
        QCOMPARE(w.dialogs->save_requests.back().title, Q("Save into fullflash..."));
        w.dialogs->save_answers.push_back(QString());
        w.Action("N39")->trigger();
        QCOMPARE(w.dialogs->save_requests.back().title, Q("Save into fontfile..."));

        // The info windows: captions, the visible text field, the About description.
        QCOMPARE(p.info.form3.windowTitle(), Q("Some instructions"));
        QCOMPARE(p.info.form4.windowTitle(), Q("History"));
        QCOMPARE(p.info.form5.windowTitle(), Q("About"));
        QVERIFY(InView(p.info.form3.RichEdit2()));
        QVERIFY(!InView(p.info.form3.RichEdit1()));
        QVERIFY(InView(p.info.form4.RichEdit2()));
        QVERIFY(InView(p.info.form5.RichEdit2()));
        QVERIFY(!InView(p.info.form5.RichEdit1()));
        QVERIFY(p.info.form5.Label2()->text().startsWith(Q("Details: ")));
        QVERIFY(p.info.form4.RichEdit2()->toPlainText().contains(Q("* this version")));

        // A kind change lays the grid out again, still with the English hints.
        w.Action("Small1")->trigger();
        QCOMPARE(p.StatusOver(grid, CellCentre(10, 3)), Q("Bit for Normal & Big fonts"));
        QCOMPARE(Caption(w.Menu("N6")), Q("Font (Small)"));
    }

    void RussianAgainRestoresTheTexts() {
        Program p(Edition::Latin);
        Window& w = p.w;
        w.Action("English1")->trigger();
        w.Action("N8")->trigger();
        QVERIFY(w.Action("N8")->isChecked());
        QVERIFY(!w.Action("English1")->isChecked());
        QCOMPARE(Caption(w.Menu("N1")), Q("Файл"));
        QCOMPARE(Caption(w.Action("N24")), Q("Весь шрифт"));
        QCOMPARE(w.Find<QPushButton>("Button8")->text(), Q("Копировать блок"));
        QCOMPARE(p.StatusOver(w.Find("Button9")), Q("Вставить блок из буфера"));
        QCOMPARE(p.StatusOver(w.Find("EditGrid"), CellCentre(0, 15)), Q("Бит 0 ширины буквы"));
        w.dialogs->save_answers.push_back(QString());
        w.Action("N23")->trigger();
        QCOMPARE(w.dialogs->save_requests.back().title, Q("Запись шрифта в fullflash..."));
        QCOMPARE(p.info.form3.windowTitle(), Q("Инструкция"));
        QCOMPARE(p.info.form4.windowTitle(), Q("История"));
        QVERIFY(InView(p.info.form3.RichEdit1()));
        QVERIFY(!InView(p.info.form3.RichEdit2()));
        QVERIFY(p.info.form5.Label2()->text().startsWith(Q("Программа")));
    }

    // Qt's own texts (file dialogs, message box buttons) follow the interface language.
    void QtOwnTextsFollowTheLanguage() {
        const auto cancel_text = [] {
            QMessageBox box;
            box.setStandardButtons(QMessageBox::Cancel);
            return box.button(QMessageBox::Cancel)->text();
        };
        {
            Program p(Edition::Cyrillic);
            QCOMPARE(cancel_text(), Q("Отмена"));
        }
        QCOMPARE(cancel_text(), Q("Cancel"));
        Program p(Edition::Latin);
        QCOMPARE(cancel_text(), Q("Отмена"));
        p.w.Action("English1")->trigger();
        QCOMPARE(cancel_text(), Q("Cancel"));
        QCOMPARE(QFileDialog::tr("File &name:"), Q("File &name:"));
        p.w.Action("N8")->trigger();
        QCOMPARE(cancel_text(), Q("Отмена"));
        QVERIFY(QFileDialog::tr("File &name:") != Q("File &name:"));
    }

    void MenuCaptionsFollowModelAndKindInEitherLanguage() {
        Program p(Edition::Latin);
        Window& w = p.w;
        w.Action("Forwap1")->trigger();
        w.Action("C451")->trigger();
        w.Action("English1")->trigger();
        QCOMPARE(Caption(w.Menu("N6")), Q("Font (Browser)"));
        QCOMPARE(Caption(w.Menu("N3")), Q("Phone (C 45)"));
        w.Action("S351")->trigger();
        QCOMPARE(Caption(w.Menu("N3")), Q("Phone (S 35)"));
        w.Action("Bigest1")->trigger();
        QCOMPARE(Caption(w.Menu("N6")), Q("Font (Big)"));
        w.Action("N8")->trigger();
        QCOMPARE(Caption(w.Menu("N3")), Q("Телефон (S 35)"));
        QCOMPARE(Caption(w.Menu("N6")), Q("Шрифт (Big)"));
    }

    void CyrillicCaptionsAreAlwaysRussian() {
        Program p(Edition::Cyrillic);
        Window& w = p.w;
        for (const char* model : {"CMS351", "S351", "N451", "N45i1", "C451", "M501"}) {
            w.Action(QLatin1String(model))->trigger();
            QVERIFY2(Caption(w.Menu("N3")).startsWith(Q("Телефон (")), model);
            for (const char* kind : {"Small1", "Normal1", "Forwap1", "Bigest1"}) {
                w.Action(QLatin1String(kind))->trigger();
                QVERIFY2(Caption(w.Menu("N6")).startsWith(Q("Шрифт (")), kind);
            }
        }
        QCOMPARE(Caption(w.Menu("N3")), Q("Телефон (M 50)"));
        QCOMPARE(p.info.form3.windowTitle(), Q("Инструкция"));
    }

    // The switch rebuilds the grid and redraws the thumbnails from the same data and selects
    // the same letter of the same block again.
    void SwitchKeepsLetterSetWeightAndGlyphs() {
        Program p(Edition::Latin);
        Window& w = p.w;
        w.Press(w.Find("SpeedButton4"));  // symbol set 1
        w.Press(w.Find("SpeedButton1"));  // bold
        w.Press(w.Find("PaintBox10"));    // "*"
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(3, 4));
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(5, 12));
        w.Press(w.Find<QPushButton>("Button1"));
        w.Press(w.Find("PaintBox12"));  // ","
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(6, 2));
        w.Press(w.Find<QPushButton>("Button1"));
        w.Press(w.Find("PaintBox10"));

        const Session& editor = w.form->editor();
        const FontImage font = editor.font();
        const EditorState before = editor.state();
        const Picture16 thumbnail = editor.view().Thumbnail(9);
        const Picture16 edit_image = editor.view().EditImage();
        const QString letter = w.Find<QLabel>("Label15")->text();
        const QString width = w.Find<QLabel>("Label0")->text();
        const QImage thumbnails_before = w.Find("Panel106")->grab().toImage();
        QVERIFY(!(thumbnail == Picture16{}));

        for (const char* item : {"English1", "N8", "English1"}) {
            w.Action(QLatin1String(item))->trigger();
            QVERIFY(editor.font() == font);
            QCOMPARE(editor.state().block(), before.block());
            QCOMPARE(editor.state().block(), 6);
            QCOMPARE(editor.state().selected_slot(), 9);
            QCOMPARE(editor.state().bold(), true);
            QVERIFY(editor.view().Thumbnail(9) == thumbnail);
            QVERIFY(editor.view().EditImage() == edit_image);
            QCOMPARE(w.Find<QLabel>("Label15")->text(), letter);
            QCOMPARE(w.Find<QLabel>("Label0")->text(), width);
            QVERIFY(w.Find<SpeedButton>("SpeedButton4")->IsDown());
            QVERIFY(w.Find<SpeedButton>("SpeedButton1")->IsDown());
            QVERIFY(!w.Find<SpeedButton>("SpeedButton2")->IsDown());
        }
        // The working glyph is the letter again: the cell set before is still on.
        QVERIFY(editor.working(GlyphForm::Wide) == editor.font().Wide(GlyphSlot{6, 9}));
        // The status line differs, nothing else in the thumbnail panel.
        const QImage thumbnails_after = w.Find("Panel106")->grab().toImage();
        const QRect status = w.Find("PanelOffcet")->geometry();
        bool same = true;
        for (int y = status.bottom() + 1; y < thumbnails_before.height(); ++y) {
            for (int x = 0; x < thumbnails_before.width(); ++x) {
                same = same && thumbnails_before.pixel(x, y) == thumbnails_after.pixel(x, y);
            }
        }
        QVERIFY(same);
    }

    void InfoMenuShowsTheWindowsModally_data() {
        QTest::addColumn<int>("edition");
        QTest::newRow("rus") << int(Edition::Cyrillic);
        QTest::newRow("eng") << int(Edition::Latin);
    }
    void InfoMenuShowsTheWindowsModally() {
        QFETCH(int, edition);
        Program p(static_cast<Edition>(edition));
        QCOMPARE(ModalWindowOf(p.w.Action("N9")), &p.info.form3);
        QCOMPARE(ModalWindowOf(p.w.Action("N10")), &p.info.form4);
        QCOMPARE(ModalWindowOf(p.w.Action("About1")), &p.info.form5);
        QVERIFY(!p.info.form3.isVisible());
        // Before any language choice the help shows the Russian text only.
        QVERIFY(InView(p.info.form3.RichEdit1()));
        if (p.info.form3.RichEdit2() != nullptr) QVERIFY(!InView(p.info.form3.RichEdit2()));
        // The main window is usable again afterwards.
        QVERIFY(p.w.form->isEnabled());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

RUNEWRIGHT_UI_TEST(LanguageSwitchTest)
#include "language_switch_test.moc"
