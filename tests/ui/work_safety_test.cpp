// The window never loses the user's work: the question before a fullflash save that would
// replace glyphs the user did not change, the question before quitting with unsaved changes,
// letter changes that keep the edits for Ctrl+Z, and files it refuses.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "ui/app_look.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

// The test images are a byte pattern apart from what a test writes: they hold no font.

const char* kQuitQuestion = "Шрифт изменён и не записан. Выйти без записи?";

}  // namespace

class WorkSafetyTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString flash_;

    QString PathOf(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    static QString Status(const Window& w) { return w.Find<QLabel>("LabelOffcet")->text(); }
    static void DrawAndWriteBack(Window& w) {
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(3, 2));
        QTest::mouseClick(w.Find<QWidget>("Button1"), Qt::LeftButton);
    }

  private slots:
    void initTestCase() {
        ApplyClassicLook(*qApp);
        QVERIFY(dir_.isValid());
        flash_ = PathOf("fresh.bin");
    }
    void init() {
        QFile::setPermissions(flash_, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(WriteAll(flash_, PatternImage(kImageSize)));
    }

    // One pixel drawn with nothing loaded: a save would blank 135 more glyphs of the dump. The
    // wrong-phone doubt and this one are one question; "Отмена" writes nothing.
    void ASaveThatWouldReplaceUnchangedGlyphsAsksAndCancelWritesNothing() {
        Window w(Edition::Cyrillic);
        DrawAndWriteBack(w);
        const QString caption = w.form->windowTitle();
        w.dialogs->save_answers = {flash_, flash_};
        w.dialogs->question_answers = {false, true};
        w.Action("N23")->trigger();
        QCOMPARE(w.dialogs->questions.size(), 1);
        const QString question = w.dialogs->questions[0];
        QVERIFY(question.startsWith(Q("Данные на местах шрифта S/ME 45 Normal не похожи")));
        QVERIFY(question.endsWith(
            Q("Запись в fresh.bin заменит ещё 135 букв, которые вы не меняли, из них 135 пустые: "
              "шрифт загружен из другого fullflash, для другого телефона или шрифта, или не "
              "загружен. Записать?")));
        QCOMPARE(w.dialogs->question_choices[0], std::make_pair(Q("Записать"), Q("Отмена")));
        QCOMPARE(ReadAll(flash_), PatternImage(kImageSize));
        QCOMPARE(w.form->windowTitle(), caption);
        QVERIFY(w.dialogs->errors.isEmpty());

        w.Action("N23")->trigger();  // "Записать"
        QCOMPARE(w.dialogs->questions.size(), 2);
        const QByteArray saved = ReadAll(flash_);
        QVERIFY(saved != PatternImage(kImageSize));
        QCOMPARE(Status(w), Q("Записано в fresh.bin: 136 букв"));
        // Saved: the same font into the same dump replaces nothing the user left alone now, and
        // the dialog offers it. A font of one drawn glyph still looks like no font, so only that
        // doubt is left.
        w.dialogs->save_answers = {flash_};
        w.dialogs->question_answers = {false};
        w.Action("N23")->trigger();
        QCOMPARE(w.dialogs->save_requests.back().suggested_path, flash_);
        QCOMPARE(w.dialogs->questions.size(), 3);
        QVERIFY(w.dialogs->questions[2].startsWith(Q("Данные на местах шрифта S/ME 45 Normal")));
        QVERIFY(w.dialogs->questions[2].endsWith(Q("Всё равно записать?")));
        QVERIFY(!w.dialogs->questions[2].contains(Q("заменит")));
        QCOMPARE(ReadAll(flash_), saved);
    }

    void TheEnglishQuestionHasItsOwnWords() {
        Window w(Edition::Latin);
        w.Action("English1")->trigger();
        DrawAndWriteBack(w);
        w.dialogs->save_answers = {flash_};
        w.dialogs->question_answers = {false};
        w.Action("N23")->trigger();
        QCOMPARE(w.dialogs->questions.size(), 1);
        QVERIFY(w.dialogs->questions[0].contains(
            Q("Saving into fresh.bin also replaces 249 glyphs you did not change, 249 of them "
              "empty: the font was loaded from another fullflash, for another phone or font, or "
              "not loaded. Save anyway?")));
        QCOMPARE(w.dialogs->question_choices[0], std::make_pair(Q("Save"), Q("Cancel")));
        QCOMPARE(ReadAll(flash_), PatternImage(kImageSize));
    }

    // A loaded, edited font goes back into its own dump without a question.
    void TheFontBackIntoItsOwnDumpAsksNothing() {
        Window w(Edition::Cyrillic);
        QByteArray image = PatternImage(kImageSize);
        QVERIFY(WriteAll(flash_, image));
        w.dialogs->open_answers = {flash_};
        w.Action("N2")->trigger();
        DrawAndWriteBack(w);
        w.dialogs->save_answers = {flash_};
        w.Action("N23")->trigger();
        QCOMPARE(w.dialogs->save_requests[0].suggested_path, flash_);
        // Only the wrong-phone question may come: the pattern is no font.
        for (const QString& q : w.dialogs->questions) QVERIFY(!q.contains(Q("заменит ещё")));
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(ReadAll(flash_).size(), image.size());
        QCOMPARE(ReadAll(flash_).mid(0, kRecordA), image.mid(0, kRecordA));
    }

    // "Выход", Ctrl+Q and the close box all ask with unsaved changes; "Отмена" keeps the window.
    void QuittingWithUnsavedChangesAsks() {
        Window w(Edition::Cyrillic);
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(3, 2));  // not even written back
        w.dialogs->question_answers = {false, false, false, false, true};
        w.Action("N5")->trigger();
        QTest::keyClick(w.form.get(), Qt::Key_Q, Qt::ControlModifier);
        w.form->close();
        QCOMPARE(w.dialogs->questions.size(), 3);
        QVERIFY(w.form->isVisible());
        // The grid's edits are the only change: the question names their letter.
        QCOMPARE(w.dialogs->questions[0],
                 Q("Буква А изменена на сетке, но не записана в шрифт. Выйти без записи?"));
        QCOMPARE(w.dialogs->question_choices[0], std::make_pair(Q("Выйти"), Q("Отмена")));
        QCOMPARE(w.form->editor().working(GlyphForm::Narrow)[3], uint8_t{0x20});

        // Written back, the font itself changed since the start.
        QTest::mouseClick(w.Find<QWidget>("Button1"), Qt::LeftButton);
        w.form->close();
        QCOMPARE(w.dialogs->questions.size(), 4);
        QCOMPARE(w.dialogs->questions[3], Q(kQuitQuestion));
        QVERIFY(w.form->isVisible());

        w.form->close();  // "Выйти"
        QCOMPARE(w.dialogs->questions.size(), 5);
        QVERIFY(!w.form->isVisible());

        Window untouched(Edition::Cyrillic);
        untouched.form->close();  // nothing unsaved: closes at once
        QVERIFY(untouched.dialogs->questions.isEmpty());
        QVERIFY(!untouched.form->isVisible());
    }

    void AfterASaveQuittingAsksNothing() {
        Window w(Edition::Latin);
        w.Action("English1")->trigger();
        DrawAndWriteBack(w);
        w.dialogs->question_answers = {false};
        w.form->close();
        QCOMPARE(w.dialogs->questions,
                 QStringList{Q("The font has unsaved changes. Quit without saving?")});
        QCOMPARE(w.dialogs->question_choices[0], std::make_pair(Q("Quit"), Q("Cancel")));
        w.dialogs->save_answers = {PathOf("mine.sfe")};
        w.Action("N39")->trigger();
        w.form->close();
        QCOMPARE(w.dialogs->questions.size(), 1);
        QVERIFY(!w.form->isVisible());
    }

    // PgDn over unwritten edits: the status line says how to get them back, and Ctrl+Z does.
    void ALetterChangeKeepsTheEditsForCtrlZ() {
        Window w(Edition::Cyrillic);
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(3, 2));
        QTest::keyClick(w.form.get(), Qt::Key_PageDown);
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("Б"));
        QCOMPARE(Status(w), Q("Изменения буквы А не записаны в шрифт (Ctrl+Z вернёт их)"));
        QTest::keyClick(w.form.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("А"));
        QCOMPARE(Pixel(w.Client(), QPoint(80, 8) + CellCentre(3, 2)), kBlackPixel);
    }

    // A 16 MiB dump chosen as a font file is refused before anything changes, in the
    // interface's words; the dialog offers only font-file names.
    void ALargeFileIsNoFontFile() {
        Window w(Edition::Cyrillic);
        const QString big = PathOf("t.bin");
        QVERIFY(WriteAll(big, QByteArray(16 << 20, '\x11')));
        const FontImage before = w.form->editor().font();
        w.dialogs->open_answers = {big};
        w.Action("N41")->trigger();
        QCOMPARE(w.dialogs->open_requests[0].name_extension, Q(".sft"));
        QCOMPARE(
            w.dialogs->errors,
            QStringList{big + Q(": не файл шрифта .sft (16777216 байт). Может быть, "
                                "это fullflash? Используйте «Загрузить шрифт из fullflash».")});
        QVERIFY(w.form->editor().font() == before);
        QCOMPARE(w.form->windowTitle(), Q("Runewright v4.01 \"RUS-Full\" - [no file]"));
    }

    // A dump without write bits is the user's protected original: refused, root included.
    void AReadOnlyDumpIsRefused() {
        Window w(Edition::Cyrillic);
        QVERIFY(QFile::setPermissions(flash_, QFile::ReadOwner | QFile::ReadGroup));
        w.dialogs->save_answers = {flash_};
        w.Action("N23")->trigger();
        QVERIFY(w.dialogs->questions.isEmpty());
        QCOMPARE(w.dialogs->errors,
                 QStringList{flash_ + Q(": только для чтения: ничего не записано")});
        QCOMPARE(ReadAll(flash_), PatternImage(kImageSize));
    }

    // The file dialog offers a name selected, so that typing replaces it and Return keeps it; a
    // font-file dialog offers no name of another kind of file.
    void OfferedNamesAreSelectedAndOfTheRightKind() {
        FileDialogMemory memory;
        QFileDialog save;
        ConfigureFileDialog(save, {Q("t"), Q("FullFlash (*.bin)|*.bin"), std::nullopt, flash_},
                            true, memory, dir_.path());
        save.show();
        QVERIFY(QTest::qWaitForWindowExposed(&save));
        auto* name = save.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name != nullptr);
        QCOMPARE(name->text(), Q("fresh.bin"));
        QCOMPARE(name->selectedText(), Q("fresh.bin"));
        save.reject();

        QFileDialog open;
        FileDialogMemory remembered{flash_, QString()};
        ConfigureFileDialog(
            open, {Q("t"), Q("SiemensFont (*.sft)|*.sft"), std::nullopt, QString(), Q(".sft")},
            false, remembered, dir_.path());
        QCOMPARE(QDir(open.directory()).absolutePath(), QDir(dir_.path()).absolutePath());
        QVERIFY(open.selectedFiles().isEmpty() ||
                !open.selectedFiles().constFirst().endsWith(Q("fresh.bin")));
    }
};

RUNEWRIGHT_UI_TEST(WorkSafetyTest)
#include "work_safety_test.moc"
