// What the grid shows goes into a save: edits not written back are offered for writing before any
// dialog, through the message-box seam; and the undo of a load brings its file back.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "io/flash_codec.h"
#include "ui/app_look.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

class GridSaveTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString flash_;

    QString PathOf(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    static void Load(Window& w, const QString& flash) {
        w.dialogs->open_answers.push_back(flash);
        w.Action("N2")->trigger();
    }
    // Letter А, the one selected after a load, changed on the grid and not written back.
    static void Draw(Window& w) { w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(3, 2)); }
    QByteArray Dump(const QString& path, const FontImage& font) const {
        if (!WriteAll(path, PatternImage(kImageSize))) return {};
        if (!WriteFlashFont(path.toStdString(), Edition::Cyrillic, CyrillicNormal(), font).ok())
            return {};
        return ReadAll(path);
    }

  private slots:
    void initTestCase() {
        ApplyClassicLook(*qApp);
        QVERIFY(dir_.isValid());
        flash_ = PathOf("s45.bin");
    }
    void init() { QVERIFY(!Dump(flash_, DistinctFont()).isEmpty()); }

    void CancelWritesAndAsksNothingMore() {
        Window w(Edition::Cyrillic);
        Load(w, flash_);
        Draw(w);
        const QByteArray before = ReadAll(flash_);
        w.dialogs->two_way_answers = {TwoWays::Stop, TwoWays::Stop, TwoWays::Stop};
        for (const char* item : {"N23", "N39", "ExportPatch1"}) {
            QVERIFY(w.Action(item) != nullptr);
            w.Action(item)->trigger();
        }
        QCOMPARE(w.dialogs->two_way_questions.size(), 3);
        QCOMPARE(w.dialogs->two_way_questions[0],
                 Q("Буква А изменена на сетке, но не записана в шрифт."));
        QCOMPARE(w.dialogs->two_way_choices[0],
                 (QStringList{Q("Записать и продолжить"), Q("Продолжить без неё"), Q("Отмена")}));
        QVERIFY(w.dialogs->save_requests.empty());
        QVERIFY(w.dialogs->questions.isEmpty());
        QCOMPARE(ReadAll(flash_), before);
        QVERIFY(w.form->editor().HasUnwrittenEdits());
    }

    // "Записать и продолжить": the letter written back as one step, and the save writes exactly it.
    void WritingItSavesExactlyTheLetterWrittenBack() {
        Window w(Edition::Cyrillic);
        Load(w, flash_);
        Draw(w);
        w.dialogs->two_way_answers = {TwoWays::GoOn};
        w.dialogs->save_answers = {flash_};
        w.Action("N23")->trigger();
        QVERIFY2(w.dialogs->errors.isEmpty(), qPrintable(w.dialogs->errors.join("\n")));
        QVERIFY(w.dialogs->questions.isEmpty());
        QVERIFY(!w.form->editor().HasUnsavedChanges());
        QCOMPARE(Caption(w.Action("EditUndo")), Q("Отменить: Записать в шрифт"));
        FontImage expected = DistinctFont();
        expected.narrow[0][0] = w.form->editor().font().narrow[0][0];
        QVERIFY(expected.narrow[0][0] != DistinctFont().narrow[0][0]);
        QCOMPARE(ReadAll(flash_), Dump(PathOf("expected.bin"), expected));
    }

    void UndoingALoadBringsItsFileBack() {
        const QString other = PathOf("other.bin");
        QVERIFY(!Dump(other, FontImage{}).isEmpty());
        Window w(Edition::Cyrillic);
        Load(w, flash_);
        Load(w, other);
        QVERIFY(w.form->windowTitle().contains(Q("other.bin")));
        w.Action("EditUndo")->trigger();
        QVERIFY2(w.form->windowTitle().contains(Q("s45.bin")), qPrintable(w.form->windowTitle()));
        QCOMPARE(w.Find<QLabel>("LabelOffcet")->text(),
                 Q("Отменено: Загрузить шрифт из fullflash"));
        w.Action("EditRedo")->trigger();
        QVERIFY(w.form->windowTitle().contains(Q("other.bin")));
    }

    // Ctrl+G shows the base font's letter faintly in the white cells, and only while it is on.
    void TheOriginalLetterShowsFaintlyOnlyWhileOn() {
        FontImage font = DistinctFont();
        for (int row = 1; row <= 11; ++row) font.narrow[0][0][row] = 0x3C;  // columns 2..5
        QVERIFY(!Dump(flash_, font).isEmpty());
        Window w(Edition::Cyrillic);
        Load(w, flash_);
        w.Action("N16")->trigger();  // the letter cleared: every pixel white
        const QPoint grid = w.Find("EditGrid")->mapTo(w.form->ClientArea(), QPoint(0, 0));
        const QPoint inked = grid + CellCentre(4, 3);
        const QPoint blank = grid + CellCentre(4, 6);
        const QImage off = w.Client();
        QCOMPARE(Pixel(off, inked), kWhitePixel);

        QVERIFY(!w.Action("ShowOriginal1")->isChecked());
        QTest::keyClick(w.form.get(), Qt::Key_G, Qt::ControlModifier);
        QVERIFY(w.Action("ShowOriginal1")->isChecked());
        const QImage on = w.Client();
        QVERIFY(Pixel(on, inked) != kWhitePixel);
        QCOMPARE(Pixel(on, blank), kWhitePixel);
        if (const char* folder = std::getenv("RUNEWRIGHT_SCREENSHOT_DIR"))
            QVERIFY(w.form->grab().save(QString::fromLocal8Bit(folder) + Q("/ghost-rus.png")));

        w.Action("ShowOriginal1")->trigger();
        QCOMPARE(w.Client(), off);
    }

    void RevertingTheLetterIsOneUndoStep() {
        Window w(Edition::Cyrillic);
        QVERIFY2(!w.Action("EditRevertLetter")->isEnabled(), "no fullflash yet");
        Load(w, flash_);
        QVERIFY(!w.Action("EditRevertLetter")->isEnabled());
        Draw(w);
        QVERIFY(w.Action("EditRevertLetter")->isEnabled());
        QVERIFY(!w.Action("EditRevertFont")->isEnabled());
        w.Action("EditRevertLetter")->trigger();
        QVERIFY(!w.form->editor().HasUnwrittenEdits());
        QCOMPARE(Caption(w.Action("EditUndo")), Q("Отменить: Вернуть букву из fullflash"));
        w.Action("EditUndo")->trigger();
        QVERIFY(w.form->editor().HasUnwrittenEdits());
        QCOMPARE(w.Find<QLabel>("LabelOffcet")->text(), Q("Отменено: Вернуть букву из fullflash"));
    }
};

RUNEWRIGHT_UI_TEST(GridSaveTest)
#include "grid_save_test.moc"
