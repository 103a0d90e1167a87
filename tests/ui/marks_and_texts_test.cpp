// The letters that differ from the fullflash are marked on their thumbnails, and only they; the
// status line shows a long hint whole; a message box is as wide as its title.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "io/flash_codec.h"
#include "ui/app_look.h"
#include "ui/file_dialogs.h"
#include "ui/thumbnail_strip.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

class MarksAndTextsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString flash_;

    static void Load(Window& w, const QString& flash) {
        w.dialogs->open_answers.push_back(flash);
        w.Action("N2")->trigger();
    }
    // Letter А, selected after a load, changed on the grid and written back to the font.
    static void ChangeLetterA(Window& w) {
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(3, 2));
        QTest::mouseClick(w.Find<QWidget>("Button1"), Qt::LeftButton);
    }
    static ThumbnailStrip* Strip(const Window& w) { return w.Find<ThumbnailStrip>("Panel106"); }
    // The panel below its status line: the thumbnails, their frame and their marks.
    static QImage Thumbnails(const QImage& panel) {
        return panel.copy(0, 34, panel.width(), panel.height() - 34);
    }
    // The mark's place under thumbnail `slot` at 100 %: the thumbnail's width, two pixels high,
    // just below the selection frame.
    static QRect MarkOf(int slot) {
        return QRect(8 + 24 * (slot % 11), 36 + 24 * (slot / 11) + 18, 16, 2);
    }

  private slots:
    void initTestCase() {
        ApplyClassicLook(*qApp);
        QVERIFY(dir_.isValid());
        flash_ = dir_.filePath(QStringLiteral("s45.bin"));
    }
    void init() {
        QVERIFY(WriteAll(flash_, PatternImage(kImageSize)));
        QVERIFY(WriteFlashFont(flash_.toStdString(), Edition::Cyrillic, CyrillicNormal(),
                               DistinctFont())
                    .ok());
    }

    // Nothing differs: no pixel of the panel changes. A letter written back is marked until it is
    // reverted; a save makes the font the fullflash's, and the mark goes.
    void OnlyLettersThatDifferAreMarked() {
        Window w(Edition::Cyrillic);
        Load(w, flash_);
        const QImage untouched = Strip(w)->grab().toImage();
        QVERIFY(Strip(w)->Marks().isEmpty());

        ChangeLetterA(w);
        QCOMPARE(Strip(w)->Marks(), QList<QRect>{MarkOf(0)});
        const QImage marked = Strip(w)->grab().toImage();
        const QRgb mark = Pixel(marked, MarkOf(0).center());
        QVERIFY(mark != Pixel(untouched, MarkOf(0).center()));
        QCOMPARE(Pixel(marked, MarkOf(1).center()), Pixel(untouched, MarkOf(1).center()));

        // Another letter is marked too; reverting the first takes only its own mark away.
        w.Press(w.Find("PaintBox2"));
        ChangeLetterA(w);
        QCOMPARE(Strip(w)->Marks(), (QList<QRect>{MarkOf(0), MarkOf(1)}));
        w.Action("EditRevertLetter")->trigger();
        QCOMPARE(Strip(w)->Marks(), QList<QRect>{MarkOf(0)});
        w.Action("EditRevertFont")->trigger();
        QVERIFY(Strip(w)->Marks().isEmpty());
        w.Press(w.Find("PaintBox1"));
        QCOMPARE(Thumbnails(Strip(w)->grab().toImage()), Thumbnails(untouched));

        ChangeLetterA(w);
        w.dialogs->save_answers = {flash_};
        w.Action("N23")->trigger();
        QVERIFY2(w.dialogs->errors.isEmpty(), qPrintable(w.dialogs->errors.join("\n")));
        QVERIFY(Strip(w)->Marks().isEmpty());
    }

    // Before any fullflash there is nothing to differ from; at 200 % the mark doubles with the
    // thumbnail.
    void MarksNeedAFullflashAndScale() {
        Window w(Edition::Cyrillic);
        ChangeLetterA(w);
        QVERIFY(Strip(w)->Marks().isEmpty());
        Load(w, flash_);
        ChangeLetterA(w);
        w.Action("Zoom200")->trigger();
        const QRect at100 = MarkOf(0);
        QCOMPARE(Strip(w)->Marks(), QList<QRect>{QRect(at100.topLeft() * 2, at100.size() * 2)});
        w.Action("Zoom100")->trigger();
        QCOMPARE(Strip(w)->Marks(), QList<QRect>{at100});
    }

    // "Изменения буквы А не записаны в шрифт (Ctrl+Z вернёт их)" is wider than the line: it takes
    // two, whole; the next short text has the one line back at its place.
    void TheStatusLineNeverCutsAHint() {
        Window w(Edition::Cyrillic);
        Load(w, flash_);
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(3, 2));
        w.Press(w.Find("PaintBox2"));
        auto* label = w.Find<QLabel>("LabelOffcet");
        QCOMPARE(label->text(), Q("Изменения буквы А не записаны в шрифт (Ctrl+Z вернёт их)"));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) > 249);
        QVERIFY(label->wordWrap());
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(QStringLiteral("%1 > %2")
                                .arg(label->heightForWidth(label->width()))
                                .arg(label->height())));
        // Above the focus ring of the first row of thumbnails, inside the panel.
        QVERIFY(w.Find("PanelOffcet")->geometry().bottom() < 36 - 2);

        w.Hover(w.Find("PaintBoxEdit"));
        QCOMPARE(label->text(), Q("Б"));
        QVERIFY(!label->wordWrap());
        QCOMPARE(w.Find("PanelOffcet")->geometry(), QRect(8, 8, 257, 21));
        QCOMPARE(label->geometry(), QRect(4, 3, 249, 15));
    }

    void AMessageBoxIsAsWideAsItsTitle() {
        const QString title = Q("Импорт из шрифта");
        QMessageBox plain(QMessageBox::Information, title, Q("Готово."), QMessageBox::Ok);
        plain.show();
        QVERIFY(plain.width() < TitleBarWidth(title));  // the box the title did not fit

        QMessageBox box;
        ConfigureNoticeBox(box, title, Q("Готово."));
        box.show();
        QCOMPARE(box.windowTitle(), title);
        QVERIFY2(box.width() >= TitleBarWidth(title),
                 qPrintable(QStringLiteral("%1 < %2").arg(box.width()).arg(TitleBarWidth(title))));
        QMessageBox error;
        ConfigureErrorBox(error, Q("x"));
        error.show();
        QVERIFY(error.width() >= TitleBarWidth(Q("Runewright")));
    }
};

RUNEWRIGHT_UI_TEST(MarksAndTextsTest)
#include "marks_and_texts_test.moc"
