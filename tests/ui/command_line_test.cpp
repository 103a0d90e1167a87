// A file named on the command line: a dump and a font file are loaded exactly as their File menu
// commands load them; a font file in the wrong form, garbage and a missing file get the error box
// and change nothing.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "ui/app_look.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

QByteArray FontBytes(const NarrowGlyph& glyph) {
    return QByteArray(reinterpret_cast<const char*>(glyph.data()), kGlyphA.size());
}

// Everything the user can see or undo after a load, to compare a command-line load with the
// menu's.
struct Outcome {
    QString caption;
    QString status_line;
    QString undo;
    QStringList warnings;
    QStringList errors;
    FontImage font;
    FontImage base;
    bool unsaved = false;
    std::string last_fullflash;

    static Outcome Of(const Window& w) {
        const Session& editor = w.form->editor();
        return {w.form->windowTitle(),
                w.Find<QLabel>("LabelOffcet")->text(),
                Caption(w.Action("EditUndo")),
                w.dialogs->warnings,
                w.dialogs->errors,
                editor.font(),
                editor.base_font(),
                editor.HasUnsavedChanges(),
                editor.last_fullflash()};
    }
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString PathOf(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    // The outcome of the menu command `item` choosing `path`, in a window of its own.
    static Outcome ThroughTheMenu(Edition edition, const char* item, const QString& path) {
        Window w(edition);
        w.dialogs->open_answers.push_back(path);
        w.Action(QLatin1String(item))->trigger();
        return Outcome::Of(w);
    }

    // A window that never loaded anything: the file named on the command line changed nothing.
    static void VerifyUntouched(const Window& w) {
        QCOMPARE(w.form->windowTitle(), Q("Runewright v4.01 \"RUS-Full\" - [no file]"));
        QVERIFY(!w.Action("EditUndo")->isEnabled());
        QVERIFY(w.form->editor().font() == FontImage{});
        QVERIFY(!w.form->editor().HasUnsavedChanges());
    }

  private slots:
    void initTestCase() {
        ApplyClassicLook(*qApp);
        QVERIFY(dir_.isValid());
    }

    void ADumpLoadsAsTheFullflashMenuLoadsIt() {
        const QString dump = PathOf("s45.bin");
        QByteArray image = PatternImage(1 << 20);
        image.replace(kRecordA, kGlyphA.size(), kGlyphA);
        QVERIFY(WriteAll(dump, image));

        Window w(Edition::Cyrillic);
        w.form->OpenGivenFile(dump.toStdString());
        QVERIFY(w.dialogs->open_requests.empty());
        // The next open dialog starts at the file, as after choosing it there.
        QCOMPARE(w.dialogs->remembered, QStringList{dump});
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(w.form->windowTitle(), Q("Runewright v4.01 \"RUS-Full\" - [s45.bin]"));
        QCOMPARE(w.Find<QLabel>("LabelOffcet")->text(), Q("Загружено из s45.bin: 136 букв"));
        QCOMPARE(Caption(w.Action("EditUndo")), Q("Отменить: Загрузить шрифт из fullflash"));
        QCOMPARE(FontBytes(w.form->editor().font().Narrow({0, 0})), kGlyphA);
        QVERIFY(w.form->editor().base_font() == w.form->editor().font());
        QCOMPARE(w.Find<QLabel>("Label0")->text(), Q("6"));
        QVERIFY(Outcome::Of(w) == ThroughTheMenu(Edition::Cyrillic, "N2", dump));
    }

    void AFontFileLoadsAsTheFontFileMenuLoadsIt() {
        const QString font = PathOf("normal.sft");
        QByteArray bytes(1768, '\0');
        bytes.replace(0, kGlyphA.size(), kGlyphA);
        QVERIFY(WriteAll(font, bytes));

        Window w(Edition::Cyrillic);
        w.form->OpenGivenFile(font.toStdString());
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(w.form->windowTitle(), Q("Runewright v4.01 \"RUS-Full\" - [normal.sft]"));
        QCOMPARE(Caption(w.Action("EditUndo")), Q("Отменить: Загрузить шрифт из файла"));
        QCOMPARE(FontBytes(w.form->editor().font().Narrow({0, 0})), kGlyphA);
        // A font file is the user's change: the base stays the empty font.
        QVERIFY(w.form->editor().base_font() == FontImage{});
        QVERIFY(Outcome::Of(w) == ThroughTheMenu(Edition::Cyrillic, "N41", font));

        const QString latin = PathOf("latin.sfe");
        QByteArray wide(9472, '\0');
        wide[0] = 7;  // the width of A: the header word's low byte, stored first
        QVERIFY(WriteAll(latin, wide));
        Window l(Edition::Latin);
        l.form->OpenGivenFile(latin.toStdString());
        QVERIFY(l.dialogs->errors.isEmpty());
        QCOMPARE(l.form->editor().font().Wide({0, 0})[0], uint16_t{7});
        QVERIFY(Outcome::Of(l) == ThroughTheMenu(Edition::Latin, "N41", latin));
    }

    // The window starts with S/ME 45 Normal, a narrow font: an .sbf must not be read as narrow
    // glyphs.
    void AWideFontFileIsRefusedNamingTheFontsItFits() {
        const QString big = PathOf("big.sbf");
        QVERIFY(WriteAll(big, QByteArray(4352, '\x11')));
        Window w(Edition::Cyrillic);
        w.form->OpenGivenFile(big.toStdString());
        // The whole text is the core's (file_classification_test); the box shows it with the path.
        QCOMPARE(w.dialogs->errors.size(), 1);
        QVERIFY(w.dialogs->errors[0].startsWith(
            big + Q(": файл шрифта .sbf, а выбранный шрифт S/ME 45 Normal")));
        VerifyUntouched(w);
        // Chosen a wide font, the same file loads.
        w.Action("Bigest1")->trigger();
        w.form->OpenGivenFile(big.toStdString());
        QCOMPARE(w.dialogs->errors.size(), 1);
        QCOMPARE(w.form->editor().font().Wide({0, 0})[0], uint16_t{0x1111});
    }

    void GarbageAndAMissingFileGetTheLoadsErrorBox() {
        const QString garbage = PathOf("notes.txt");
        QVERIFY(WriteAll(garbage, QByteArray("not a font at all\n")));
        Window w(Edition::Cyrillic);
        w.form->OpenGivenFile(garbage.toStdString());
        QCOMPARE(w.dialogs->errors,
                 QStringList{garbage + Q(": не fullflash и не файл шрифта (*.sft, *.sbf): 18 "
                                         "байт")});
        VerifyUntouched(w);

        const QString missing = PathOf("missing.bin");
        w.form->OpenGivenFile(missing.toStdString());
        QCOMPARE(w.dialogs->errors.last(), missing + QStringLiteral(": File not found"));
        VerifyUntouched(w);

        Window l(Edition::Latin);
        l.form->OpenGivenFile(garbage.toStdString());
        QCOMPARE(l.dialogs->errors,
                 QStringList{garbage + Q(": не fullflash и не файл шрифта (*.sfe): 18 байт")});
    }
};

RUNEWRIGHT_UI_TEST(CommandLineTest)
#include "command_line_test.moc"
