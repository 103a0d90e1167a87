// The "Сервис" menu's V_Klay patches, answered through the file-dialog seam: the font exported as
// the patch a fullflash save would be, and a font imported from a patch applied to a copy of the
// fullflash in memory. The fullflash on disk is only ever read.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "io/flash_codec.h"
#include "patch/patch_apply.h"
#include "patch/patch_reader.h"
#include "patch/patch_writer.h"
#include "ui/app_look.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

// The record of А (kRecordA): 12 bytes read and written, the width, then rows 1..11.

std::vector<uint8_t> Bytes(const QByteArray& bytes) {
    return {bytes.begin(), bytes.end()};
}

std::string Hex(const QByteArray& bytes) {
    return bytes.toHex().toUpper().toStdString();
}

}  // namespace

class PatchCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString flash_;
    QByteArray dump_;  // the dump as the test wrote it

    QString PathOf(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    static QString Status(const Window& w) { return w.Find<QLabel>("LabelOffcet")->text(); }
    static void DrawAndWriteBack(Window& w) {
        w.Press(w.Find("EditGrid"), Qt::LeftButton, CellCentre(3, 2));
        QTest::mouseClick(w.Find<QWidget>("Button1"), Qt::LeftButton);
    }
    static void Load(Window& w, const QString& flash) {
        w.dialogs->open_answers.push_back(flash);
        w.Action("N2")->trigger();
    }
    QString WritePatch(const char* name, const std::string& text) const {
        const QString path = PathOf(name);
        WriteAll(path, QByteArray::fromStdString(text));
        return path;
    }
    // Rows 1 and 2 of А redrawn, and four bytes outside every font record.
    std::string PatchOfA() const {
        return "; two rows of A and four bytes elsewhere\r\n0B5627: " +
               Hex(dump_.mid(kRecordA + 1, 2)) + " 7C44\r\n000010: " + Hex(dump_.mid(16, 4)) +
               " 01020304\r\n";
    }
    // The dump after a save of `font` into a copy of it.
    QByteArray SavedInto(const FontImage& font, Edition edition, const FontLayout& layout) const {
        const QString copy = PathOf("copy.bin");
        QFile::remove(copy);
        QFile::copy(flash_, copy);
        if (!WriteFlashFont(copy.toStdString(), edition, layout, font).ok()) return {};
        return ReadAll(copy);
    }

  private slots:
    void initTestCase() {
        ApplyClassicLook(*qApp);
        QVERIFY(dir_.isValid());
        flash_ = PathOf("s45.bin");
    }
    void init() {
        QFile::remove(PathOf("s45.vkp"));
        QVERIFY(WriteAll(flash_, PatternImage(kImageSize)));
        QVERIFY(WriteFlashFont(flash_.toStdString(), Edition::Cyrillic, CyrillicNormal(),
                               DistinctFont())
                    .ok());
        dump_ = ReadAll(flash_);
    }

    // With no fullflash loaded or saved, the load dialog asks for one; the patch does to it
    // exactly what a save would, it is named after it, and the dump itself stays as it was.
    void AnExportAsksForTheFullflashAndDoesWhatASaveWould() {
        Window w(Edition::Cyrillic);
        DrawAndWriteBack(w);
        w.dialogs->open_answers = {flash_};
        w.dialogs->save_answers = {PathOf("s45.vkp")};
        w.Action("ExportPatch1")->trigger();
        QVERIFY2(w.dialogs->errors.isEmpty(), qPrintable(w.dialogs->errors.join("\n")));
        QCOMPARE(w.dialogs->open_requests.size(), size_t{1});
        QCOMPARE(w.dialogs->open_requests[0].title, Q("Загрузка из файла fullflash..."));
        QCOMPARE(w.dialogs->open_requests[0].filter, Q("FullFlash (*.bin)|*.bin"));
        // The question a fullflash save would ask: the font replaces glyphs the user left alone.
        QCOMPARE(w.dialogs->questions.size(), 1);
        QVERIFY(w.dialogs->questions[0].startsWith(Q("Запись в s45.bin заменит ещё 135 букв")));
        QCOMPARE(w.dialogs->question_choices[0], std::make_pair(Q("Записать"), Q("Отмена")));
        QCOMPARE(w.dialogs->save_requests.size(), size_t{1});
        const FileDialogRequest& save = w.dialogs->save_requests[0];
        QCOMPARE(save.title, Q("Сохранение патча"));
        QCOMPARE(save.filter, Q("Патчи V_Klay (*.vkp)|*.vkp"));
        QCOMPARE(save.suggested_path, PathOf("s45.vkp"));
        QCOMPARE(*save.default_suffix, Q("vkp"));

        const QByteArray written = ReadAll(PathOf("s45.vkp"));
        QVERIFY(written.startsWith("; Font patch made by Runewright "));
        Patch patch;
        QVERIFY(ReadPatchText(written.toStdString(), "s45.vkp", &patch).ok());
        std::vector<uint8_t> image = Bytes(dump_);
        PatchOutcome outcome;
        QVERIFY(ApplyPatchToImage(patch, "s45.bin", {}, &image, &outcome).ok());
        QCOMPARE(image,
                 Bytes(SavedInto(w.form->editor().font(), Edition::Cyrillic, CyrillicNormal())));
        QCOMPARE(ReadAll(flash_), dump_);
        QCOMPARE(Status(w), Q("Записан патч s45.vkp: 136 букв"));
        QVERIFY(w.form->editor().HasUnsavedChanges());
    }

    void AFontEqualToTheDumpNeedsNoPatch() {
        Window w(Edition::Cyrillic);
        Load(w, flash_);
        w.Action("ExportPatch1")->trigger();
        QCOMPARE(
            w.dialogs->notices,
            QStringList{Q("Шрифт не отличается от fullflash: патч не нужен. Чтобы получить патч "
                          "для других телефонов, выберите нетронутую копию дампа.")});
        QVERIFY(w.dialogs->save_requests.empty());
        QVERIFY(w.dialogs->questions.isEmpty());
        QVERIFY(!QFile::exists(PathOf("s45.vkp")));
    }

    // Font records over a dump that holds no font where the chosen phone keeps it: "Отмена"
    // writes no patch.
    void AnExportAgainstAWrongPhonesDumpAsksFirst() {
        QVERIFY(WriteAll(flash_, PatternImage(kImageSize)));
        Window w(Edition::Cyrillic);
        Load(w, flash_);
        DrawAndWriteBack(w);
        w.dialogs->question_answers = {false};
        w.Action("ExportPatch1")->trigger();
        QCOMPARE(w.dialogs->questions.size(), 1);
        QVERIFY(w.dialogs->questions[0].startsWith(
            Q("Данные на местах шрифта S/ME 45 Normal не похожи на шрифт")));
        QVERIFY(w.dialogs->questions[0].endsWith(Q("Всё равно записать?")));
        QVERIFY(w.dialogs->save_requests.empty());
        QVERIFY(!QFile::exists(PathOf("s45.vkp")));
    }

    // The patch goes into a copy in memory: the font changes as one undo step, the message
    // says what the patch did, and the dump on disk keeps every byte.
    void AnImportLoadsThePatchedFontAsOneStepAndLeavesTheDumpAlone() {
        Window w(Edition::Cyrillic);
        Load(w, flash_);
        const NarrowGlyph loaded = w.form->editor().font().narrow[0][0];
        w.dialogs->open_answers = {WritePatch("a.vkp", PatchOfA())};
        w.Action("ImportPatch1")->trigger();
        QVERIFY2(w.dialogs->errors.isEmpty(), qPrintable(w.dialogs->errors.join("\n")));
        QCOMPARE(w.dialogs->open_requests.size(), size_t{2});  // the fullflash was known
        QCOMPARE(w.dialogs->open_requests[1].title, Q("Загрузка патча"));
        QCOMPARE(w.dialogs->open_requests[1].filter, Q("Патчи V_Klay (*.vkp)|*.vkp"));
        NarrowGlyph patched = loaded;
        patched[1] = 0x7C;
        patched[2] = 0x44;
        QCOMPARE(w.form->editor().font().narrow[0][0], patched);
        QCOMPARE(w.form->editor().font().narrow[0][1], DistinctFont().narrow[0][1]);
        QCOMPARE(w.dialogs->notices,
                 QStringList{Q("Патч меняет 1 букву этого шрифта. Ещё он меняет 4 байта вне "
                               "шрифта; они не загружены.")});
        QCOMPARE(ReadAll(flash_), dump_);
        QCOMPARE(Caption(w.Action("EditUndo")), Q("Отменить: Импорт из патча (.vkp)..."));
        w.Action("EditUndo")->trigger();
        QCOMPARE(w.form->editor().font().narrow[0][0], loaded);
    }

    // A dump chosen in the import's dialog counts as loaded: a save into it takes the patch's
    // glyph and a letter cleared since for the user's changes and asks nothing; only the records
    // go in.
    void ADumpChosenForTheImportCountsAsLoaded() {
        Window w(Edition::Cyrillic);
        w.dialogs->open_answers = {WritePatch("a.vkp", PatchOfA()), flash_};
        w.Action("ImportPatch1")->trigger();
        QCOMPARE(w.dialogs->open_requests.size(), size_t{2});
        QCOMPARE(w.dialogs->open_requests[1].title, Q("Загрузка из файла fullflash..."));
        QVERIFY(w.dialogs->errors.isEmpty());
        w.Press(w.Find("PaintBox2"));  // Б
        w.Action("N16")->trigger();    // "Очистить букву"

        w.dialogs->save_answers = {flash_};
        w.Action("N23")->trigger();
        QCOMPARE(w.dialogs->save_requests[0].suggested_path, flash_);
        QVERIFY2(w.dialogs->questions.isEmpty(), qPrintable(w.dialogs->questions.join("\n")));
        QByteArray expected = dump_;
        expected.replace(kRecordA + 1, 2, QByteArray::fromHex("7C44"));
        expected.replace(kRecordA + 13, 12, QByteArray(12, '\0'));
        QCOMPARE(ReadAll(flash_), expected);
        QCOMPARE(Status(w), Q("Записано в s45.bin: 136 букв"));
    }

    // Errors as every load: the file, the line and the reason; the font stays as it was and no
    // step is recorded.
    void APatchThatDoesNotFitChangesNothing() {
        Window w(Edition::Cyrillic);
        Load(w, flash_);
        const FontImage before = w.form->editor().font();
        const QString wrong = WritePatch("wrong.vkp", "0B5627: 0000 7C44\r\n");
        const QString broken = WritePatch("broken.vkp", "; a comment\n10: 00 1122\n");
        w.dialogs->open_answers = {wrong, broken};
        w.Action("ImportPatch1")->trigger();
        w.Action("ImportPatch1")->trigger();
        QCOMPARE(w.dialogs->errors,
                 QStringList({wrong + Q(":1: в fullflash по адресу 0B5627 не те байты, которых "
                                        "ждёт патч"),
                              broken + Q(":2: старые данные (1 байт) короче новых (2 байта)")}));
        QCOMPARE(w.form->editor().font(), before);
        QCOMPARE(Caption(w.Action("EditUndo")), Q("Отменить: Загрузить шрифт из fullflash"));
        QVERIFY(w.dialogs->notices.isEmpty());
        QCOMPARE(ReadAll(flash_), dump_);
    }

    // A redrawn font exported from one window and imported into another over the same dump.
    void ExportedInOneWindowImportedInAnother() {
        Window drawn(Edition::Cyrillic);
        Load(drawn, flash_);
        DrawAndWriteBack(drawn);
        drawn.dialogs->save_answers = {PathOf("s45.vkp")};
        drawn.Action("ExportPatch1")->trigger();
        QVERIFY(drawn.dialogs->questions.isEmpty());
        QCOMPARE(Status(drawn), Q("Записан патч s45.vkp: 1 буква"));

        Window other(Edition::Cyrillic);
        Load(other, flash_);
        other.dialogs->open_answers = {PathOf("s45.vkp")};
        other.Action("ImportPatch1")->trigger();
        QCOMPARE(other.form->editor().font(), drawn.form->editor().font());
        QCOMPARE(other.dialogs->notices, QStringList{Q("Патч меняет 1 букву этого шрифта.")});
    }

    void TheLatinEditionSpeaksEnglish() {
        Window w(Edition::Latin);
        w.Action("English1")->trigger();
        w.dialogs->open_answers = {
            WritePatch("elsewhere.vkp", "10: " + Hex(dump_.mid(16, 1)) + " 55\r\n"), flash_};
        w.Action("ImportPatch1")->trigger();
        QCOMPARE(w.dialogs->open_requests[0].title, Q("Load patch"));
        QCOMPARE(w.dialogs->open_requests[0].filter, Q("V_Klay patches (*.vkp)|*.vkp"));
        QCOMPARE(w.dialogs->notices,
                 QStringList{Q("The patch does not change this font (S/ME 45 Normal).")});

        DrawAndWriteBack(w);
        w.dialogs->save_answers = {PathOf("s45.vkp")};
        w.Action("ExportPatch1")->trigger();
        QCOMPARE(w.dialogs->save_requests[0].title, Q("Save patch"));
        QCOMPARE(w.dialogs->save_requests[0].filter, Q("V_Klay patches (*.vkp)|*.vkp"));
        FontPatch patch;
        const FontPlace place =
            FontPlace::Of(Edition::Latin, {PhoneModel::SME45, FontKind::Normal});
        QVERIFY(ExportFontPatch(flash_.toStdString(), place, w.form->editor().font(), &patch).ok());
        QCOMPARE(Status(w), QString("Saved patch s45.vkp: %1 glyphs").arg(patch.glyphs.size()));
        QCOMPARE(ReadAll(PathOf("s45.vkp")), QByteArray::fromStdString(patch.text));
    }
};

RUNEWRIGHT_UI_TEST(PatchCommandsTest)
#include "patch_commands_test.moc"
