// The file commands of the main window, answered through a replaced dialog: fullflash load and
// save, font files, SFT -> SBF, the load scope, and failures that must change nothing.
#include <sys/stat.h>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <cstdio>

#include "io/rollback_journal.h"
#include "ui/app_look.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

// The Latin S/ME 45 Normal record of A: upper base 735178, 25 bytes, header high byte, width,
// then two bytes per row.
constexpr int kLatinRecordA = 735178;

QByteArray FlashWithLetterA() {
    QByteArray image = PatternImage(kImageSize);
    image.replace(kRecordA, kGlyphA.size(), kGlyphA);
    return image;
}

QByteArray FontBytes(const NarrowGlyph& glyph, int count) {
    return QByteArray(reinterpret_cast<const char*>(glyph.data()), count);
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString flash_;

    QString PathOf(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    // A fullflash in a subdirectory, so that the caption's file name differs from the path.
    void LoadFlash(Window& w) {
        w.dialogs->open_answers.push_back(flash_);
        w.Action("N2")->trigger();
    }

    // The dump as a save cut off in the record of А leaves it, with its journal.
    void PlantTornSave() {
        const QByteArray image = FlashWithLetterA();
        QByteArray torn = image;
        torn[kRecordA] = 0x55;
        torn[kRecordA + 1] = 0x55;
        QVERIFY(WriteAll(flash_, torn));
        FileInfo info;
        QCOMPARE(SystemFileSystem().StatPath(flash_.toStdString(), &info), 0);
        const RollbackJournal journal{
            IdentityOf(info),
            {{kRecordA, {uint8_t(image[kRecordA]), uint8_t(image[kRecordA + 1])}, {0x55, 0x55}}}};
        const auto bytes = EncodeJournal(journal);
        QVERIFY(WriteAll(flash_ + ".rwj", QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                     static_cast<qsizetype>(bytes.size()))));
        QFile::setPermissions(flash_ + ".rwj", QFile::ReadOwner | QFile::WriteOwner);
    }

  private slots:
    void initTestCase() {
        ApplyClassicLook(*qApp);
        QVERIFY(dir_.isValid());
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("dumps")));
        flash_ = dir_.filePath(QStringLiteral("dumps/flash.bin"));
    }
    void init() {
        QFile::remove(flash_ + ".rwj");  // a test that failed halfway may have left one
        QVERIFY(WriteAll(flash_, FlashWithLetterA()));
    }

    // Control characters, line breaks and bidi marks of a file name reached the status line and
    // the message boxes raw ("evil\u202E.bin" turned the line around); the command line escapes
    // them, and the window now shows them as it does.
    void FileNamesAreShownEscapedAsTheCommandLinePrintsThem() {
        Window w(Edition::Cyrillic);
        const QString evil = PathOf("evil") + QChar(0x202E) + Q("nib.bin");
        QVERIFY(WriteAll(evil, FlashWithLetterA()));
        w.dialogs->open_answers.push_back(evil);
        w.Action("N2")->trigger();
        QVERIFY(w.dialogs->errors.isEmpty());
        const QString status = w.Find<QLabel>("LabelOffcet")->text();
        QVERIFY2(status.contains(Q("evil\\u202enib.bin")), qPrintable(status));
        QVERIFY(!status.contains(QChar(0x202E)));

        const QString missing = PathOf("gone") + Q("\n") + QChar(0x202E) + Q(".bin");
        w.dialogs->open_answers.push_back(missing);
        w.Action("N2")->trigger();
        QCOMPARE(w.dialogs->errors.size(), qsizetype{1});
        QVERIFY2(w.dialogs->errors[0].contains(Q("gone\\n\\u202e.bin: File not found")),
                 qPrintable(w.dialogs->errors[0]));
        QVERIFY(!w.dialogs->errors[0].contains(QChar(0x202E)));
        QVERIFY(!w.dialogs->errors[0].contains(QChar('\n')));
        QFile::remove(evil);
    }

    void FullflashLoadShowsTheFontAndNamesTheFile() {
        Window w(Edition::Cyrillic);
        LoadFlash(w);
        QCOMPARE(w.dialogs->open_requests.size(), size_t{1});
        QCOMPARE(w.dialogs->open_requests[0].title, Q("Загрузка из файла fullflash..."));
        QCOMPARE(w.dialogs->open_requests[0].filter, Q("FullFlash (*.bin)|*.bin"));
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(w.form->windowTitle(), Q("Runewright v4.01 \"RUS-Full\" - [flash.bin]"));
        QCOMPARE(FontBytes(w.form->editor().font().Narrow({0, 0}), 12), kGlyphA);
        // The first letter is reloaded: grid, row labels, width and the thumbnail.
        QCOMPARE(w.Find<QLabel>("Label2")->text(), Q("38 --"));
        QCOMPARE(w.Find<QLabel>("Label0")->text(), Q("6"));
        const QImage client = w.Client();
        QCOMPARE(Pixel(client, QPoint(80, 8) + CellCentre(1, 2)), kBlackPixel);
        QCOMPARE(Pixel(client, QPoint(80, 8) + CellCentre(1, 1)), kWhitePixel);
        const QImage panel = w.Find("Panel106")->grab().toImage();
        QCOMPARE(Pixel(panel, QPoint(8 + 2, 36 + 1)), kBlackPixel);
        QCOMPARE(Pixel(panel, QPoint(8 + 1, 36 + 1)), kWhitePixel);
        const QImage edit = w.Find("PaintBoxEdit")->grab().toImage();
        QCOMPARE(Pixel(edit, QPoint(3, 5)), kBlackPixel);
    }

    // The edit reaches the font only through "Записать в шрифт", and the save patches exactly
    // the bytes of the edited record.
    void PixelClickWriteBackAndSaveComparesByteForByte() {
        Window w(Edition::Cyrillic);
        LoadFlash(w);
        w.Press(w.Find("EditGrid"), Qt::RightButton, CellCentre(1, 6));
        QCOMPARE(w.Find<QLabel>("Label2")->text(), Q("3A --"));
        QCOMPARE(w.Find<QLabel>("Label0")->text(), Q("7"));
        QCOMPARE(FontBytes(w.form->editor().font().Narrow({0, 0}), 12), kGlyphA);

        QTest::mouseClick(w.Find<QWidget>("Button1"), Qt::LeftButton);
        QCOMPARE(w.form->editor().font().Narrow({0, 0})[0], uint8_t{7});
        QCOMPARE(w.form->editor().font().Narrow({0, 0})[1], uint8_t{0x3A});
        const QImage panel = w.Find("Panel106")->grab().toImage();
        QCOMPARE(Pixel(panel, QPoint(8 + 6, 36 + 1)), kBlackPixel);

        w.dialogs->save_answers.push_back(flash_);
        w.Action("N23")->trigger();
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(w.dialogs->save_requests[0].title, Q("Запись шрифта в fullflash..."));
        QVERIFY(!w.dialogs->save_requests[0].default_suffix.has_value());
        QByteArray expected = FlashWithLetterA();
        expected[kRecordA] = 7;
        expected[kRecordA + 1] = 0x3A;
        QCOMPARE(ReadAll(flash_), expected);
    }

    // Enter on the offered name must not replace the dump by a font file.
    void FontFileSaveOffersTheDumpsNameAsAFontFileAndRefusesTheDump() {
        Window w(Edition::Cyrillic);
        LoadFlash(w);
        w.dialogs->save_answers.push_back(flash_);
        w.Action("N39")->trigger();
        QCOMPARE(w.dialogs->save_requests[0].suggested_path,
                 dir_.filePath(QStringLiteral("dumps/flash.sft")));
        QCOMPARE(w.dialogs->errors.size(), qsizetype{1});
        QVERIFY(
            w.dialogs->errors[0].endsWith(Q("не файл шрифта .sft (%1 байт): выберите другое имя")
                                              .arg(FlashWithLetterA().size())));
        QCOMPARE(ReadAll(flash_), FlashWithLetterA());
    }

    // A save cut off earlier is undone at the load, and the user is told in one message.
    void LoadRollsBackAnInterruptedSaveAndSaysSo() {
        const QByteArray image = FlashWithLetterA();
        PlantTornSave();
        Window w(Edition::Cyrillic);
        LoadFlash(w);
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(w.dialogs->notices.size(), qsizetype{1});
        QCOMPARE(w.dialogs->notices[0],
                 flash_ + Q(": запись в этот файл была прервана; его байты до той записи "
                            "возвращены из flash.bin.rwj"));
        QCOMPARE(ReadAll(flash_), image);
        QCOMPARE(FontBytes(w.form->editor().font().Narrow({0, 0}), 12), kGlyphA);
        QVERIFY(!QFile::exists(flash_ + ".rwj"));
    }

    // The look at what the dump holds before a save finds the cut-off save first; it is told
    // once, and the save goes on.
    void SaveRollsBackAnInterruptedSaveFirstAndSaysSoOnce() {
        Window w(Edition::Cyrillic);
        LoadFlash(w);
        PlantTornSave();
        w.dialogs->save_answers.push_back(flash_);
        w.Action("N23")->trigger();
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(w.dialogs->notices.size(), qsizetype{1});
        QVERIFY(w.dialogs->notices[0].contains(Q("запись в этот файл была прервана")));
        QCOMPARE(ReadAll(flash_), FlashWithLetterA());
        QVERIFY(!QFile::exists(flash_ + ".rwj"));
    }

    // A journal left beside a dump that was replaced since names itself and stops the load.
    void ALoadStopsAtAJournalOfAnotherFile() {
        PlantTornSave();
        // A new file takes the name while the old one still holds its inode.
        QVERIFY(WriteAll(flash_ + ".new", FlashWithLetterA()));
        QCOMPARE(
            ::rename((flash_ + ".new").toLocal8Bit().constData(), flash_.toLocal8Bit().constData()),
            0);
        Window w(Edition::Cyrillic);
        LoadFlash(w);
        QCOMPARE(w.dialogs->errors.size(), qsizetype{1});
        QCOMPARE(w.dialogs->errors[0],
                 flash_ + Q(": flash.bin.rwj — журнал другого файла (файл переименован или "
                            "заменён): чтобы продолжить, уберите его"));
        QCOMPARE(w.form->editor().font().Narrow({0, 0})[0], uint8_t{0});
        QCOMPARE(ReadAll(flash_), FlashWithLetterA());
        QVERIFY(QFile::remove(flash_ + ".rwj"));  // left alone
    }

    // The journal's messages follow the interface language like every other: the Latin edition
    // tells the rollback in English once English is chosen.
    void TheRollbackNoticeFollowsTheInterfaceLanguage() {
        PlantTornSave();
        Window w(Edition::Latin);
        w.Action("English1")->trigger();
        LoadFlash(w);
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(w.dialogs->notices.size(), qsizetype{1});
        QCOMPARE(w.dialogs->notices[0],
                 flash_ + Q(": a save into it was interrupted; its bytes from before that save "
                            "were put back from flash.bin.rwj"));
        QCOMPARE(ReadAll(flash_), FlashWithLetterA());
    }

    // The status line names what a load or save did, until the pointer shows a hint again.
    void UneditedSaveLeavesTheImageAsItWas() {
        Window w(Edition::Cyrillic);
        const auto status = [&w] { return w.Find<QLabel>("LabelOffcet")->text(); };
        LoadFlash(w);
        QCOMPARE(status(), Q("Загружено из flash.bin: 136 букв"));
        w.dialogs->save_answers.push_back(flash_);
        w.Action("N23")->trigger();
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(ReadAll(flash_), FlashWithLetterA());
        QCOMPARE(status(), Q("Записано в flash.bin: 136 букв"));
        w.Hover(w.Find("Button9"));
        QCOMPARE(status(), Q("Вставить из буфера всё"));
    }

    // A failed load must leave font, thumbnails, caption and current file name as they were.
    void FailedLoadChangesNothing() {
        Window w(Edition::Cyrillic);
        LoadFlash(w);
        w.Press(w.Find("PaintBox2"));
        const FontImage font = w.form->editor().font();
        const QString caption = w.form->windowTitle();
        const std::string file = w.form->editor().state().file_name;
        const QImage letters = w.Find("Panel106")->grab().toImage();

        const QString short_image = PathOf("short.bin");
        QVERIFY(WriteAll(short_image, PatternImage(kRecordB + 5)));
        w.dialogs->open_answers = {short_image, PathOf("missing.bin")};
        w.Action("N2")->trigger();
        w.Action("N2")->trigger();
        QCOMPARE(w.dialogs->errors.size(), 2);
        QVERIFY(w.dialogs->errors[0].contains(short_image));
        QVERIFY(w.dialogs->errors[0].contains(Q("Read beyond end of file")));
        QVERIFY(w.dialogs->errors[1].contains(PathOf("missing.bin")));
        QVERIFY(w.dialogs->errors[1].contains(Q("File not found")));

        const QString short_font = PathOf("short.sft");
        QVERIFY(WriteAll(short_font, QByteArray(1767, '\x7F')));
        w.dialogs->open_answers = {short_font};
        w.Action("N41")->trigger();
        QCOMPARE(w.dialogs->errors.size(), 3);
        QVERIFY(w.dialogs->errors[2].contains(short_font));

        QVERIFY(w.form->editor().font() == font);
        QCOMPARE(w.form->windowTitle(), caption);
        QCOMPARE(w.form->editor().state().file_name, file);
        QCOMPARE(w.Find("Panel106")->grab().toImage(), letters);
        QCOMPARE(w.Find<QLabel>("Label15")->text(), Q("Б"));
    }

    void CancelledDialogsChangeNothing() {
        Window w(Edition::Cyrillic);
        const QString caption = w.form->windowTitle();
        w.dialogs->open_answers = {QString()};
        w.Action("N2")->trigger();
        w.Action("N41")->trigger();  // no answer left: cancelled as well
        w.Action("N23")->trigger();
        w.Action("N39")->trigger();
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(w.form->windowTitle(), caption);
        QCOMPARE(w.dialogs->open_requests.size(), size_t{2});
        QCOMPARE(w.dialogs->save_requests.size(), size_t{2});
    }

    // The save never creates a fullflash; a failed save names the file and changes no caption.
    void SaveToAMissingImageFailsAndCreatesNothing() {
        Window w(Edition::Cyrillic);
        LoadFlash(w);
        const QString caption = w.form->windowTitle();
        const QString missing = PathOf("new.bin");
        w.dialogs->save_answers.push_back(missing);
        w.Action("N23")->trigger();
        QCOMPARE(w.dialogs->errors.size(), 1);
        QVERIFY(w.dialogs->errors[0].contains(missing));
        QVERIFY(w.dialogs->errors[0].contains(Q("File not found")));
        QVERIFY(!QFile::exists(missing));
        QCOMPARE(w.form->windowTitle(), caption);
    }

    void FontFileSaveAndLoadRoundTrip() {
        Window w(Edition::Cyrillic);
        LoadFlash(w);
        const FontImage loaded = w.form->editor().font();
        const QString sft = PathOf("font.sft");
        w.dialogs->save_answers.push_back(sft);
        w.Action("N39")->trigger();
        const FileDialogRequest& save = w.dialogs->save_requests.back();
        QCOMPARE(save.title, Q("Запись шрифта в файл..."));
        QCOMPARE(save.filter, Q("SiemensFont (*.sft)|*.sft"));
        QCOMPARE(BareSuffix(save.default_suffix.value_or(QString())), Q("sft"));
        QCOMPARE(ReadAll(sft).size(), 1768);
        QCOMPARE(w.form->windowTitle(), Q("Runewright v4.01 \"RUS-Full\" - [font.sft]"));

        w.Action("N18")->trigger();  // "Очистить шрифт"
        QCOMPARE(w.form->editor().font().Narrow({0, 0})[1], uint8_t{0});
        w.dialogs->open_answers.push_back(sft);
        w.Action("N41")->trigger();
        QCOMPARE(w.dialogs->open_requests.back().title, Q("Загрузка шрифта из файла..."));
        QCOMPARE(w.dialogs->open_requests.back().filter, Q("SiemensFont (*.sft)|*.sft"));
        QVERIFY(w.dialogs->errors.isEmpty());
        QVERIFY(w.form->editor().font() == loaded);
        QCOMPARE(w.Find<QLabel>("Label2")->text(), Q("38 --"));

        // The Big font is held wide: the file is an .sbf.
        w.Action("Bigest1")->trigger();
        const QString sbf = PathOf("big.sbf");
        w.dialogs->save_answers.push_back(sbf);
        w.Action("N39")->trigger();
        QCOMPARE(w.dialogs->save_requests.back().filter, Q("SiemensBigFont (*.sbf)|*.sbf"));
        QCOMPARE(ReadAll(sbf).size(), 4352);
    }

    void SftToSbfFillsTheWideTable() {
        Window w(Edition::Cyrillic);
        QVERIFY(!w.Action("SFTSBF1")->isEnabled());
        w.Action("C451")->trigger();
        QVERIFY(w.Action("SFTSBF1")->isEnabled());
        QByteArray sft(1768, '\0');
        sft.replace(0, kGlyphA.size(), kGlyphA);  // normal upper А
        sft[2 * 442 + 1 * 13 + 0] = 9;            // bold upper Б: width 9
        sft[2 * 442 + 1 * 13 + 1] = static_cast<char>(0x81);
        const QString path = PathOf("thin.sft");
        QVERIFY(WriteAll(path, sft));

        w.dialogs->open_answers.push_back(path);
        w.Action("N29")->trigger();
        QCOMPARE(w.dialogs->open_requests.back().title, Q("Загрузка SFT (тонкий) как SBF..."));
        QCOMPARE(w.dialogs->open_requests.back().filter, Q("SiemensFont (*.sft)|*.sft"));
        const WideGlyph& a = w.form->editor().font().Wide({0, 0});
        QCOMPARE(a[0], uint16_t{6});
        QCOMPARE(a[1], uint16_t{0x3800});
        QCOMPARE(w.Find<QLabel>("Label2")->text(), Q("38 00"));
        QCOMPARE(w.form->windowTitle(), Q("Runewright v4.01 \"RUS-Full\" - [thin.sft]"));

        w.dialogs->open_answers.push_back(path);
        w.Action("N30")->trigger();  // the bold weight becomes the normal one
        QCOMPARE(w.dialogs->open_requests.back().title, Q("Загрузка SFT (жирный) как SBF..."));
        QCOMPARE(w.form->editor().font().Wide({0, 1})[0], uint16_t{9});
        QCOMPARE(w.form->editor().font().Wide({0, 1})[1], uint16_t{0x8100});
    }

    void LoadScopeMenuChoosesTheBlocksALoadReplaces() {
        Window w(Edition::Cyrillic);
        QByteArray image = FlashWithLetterA();
        const QByteArray lower = QByteArray::fromHex("05F0");
        image.replace(kRecordA + 416, lower.size(), lower);  // а, the lower-case run
        QVERIFY(WriteAll(flash_, image));

        w.Action("N19")->trigger();  // "Только "А - Я", нормальный"
        QVERIFY(w.Action("N19")->isChecked());
        QVERIFY(!w.Action("N24")->isChecked());
        LoadFlash(w);
        QCOMPARE(w.form->editor().font().Narrow({0, 0})[0], uint8_t{6});
        QCOMPARE(w.form->editor().font().Narrow({1, 0})[0], uint8_t{0});

        w.Action("N24")->trigger();  // "Весь шрифт"
        QVERIFY(w.Action("N24")->isChecked());
        QVERIFY(!w.Action("N19")->isChecked());
        LoadFlash(w);
        QCOMPARE(w.form->editor().font().Narrow({1, 0})[0], uint8_t{5});
    }

    // Any name a file system allows is shown as it is: Qt would drop "[*]" from a caption as its
    // modification mark and take "<b>" in a message as markup.
    void OddFileNamesAreShownAsTheyAre() {
        Window w(Edition::Cyrillic);
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("odd")));
        const QString star = PathOf("odd/*");
        w.dialogs->save_answers.push_back(star);
        w.Action("N39")->trigger();
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(w.form->windowHandle()->title(), Q("Runewright v4.01 \"RUS-Full\" - [*]"));
        const QString twice = PathOf("odd/*][*");
        w.dialogs->save_answers.push_back(twice);
        w.Action("N39")->trigger();
        QCOMPARE(w.form->windowHandle()->title(), Q("Runewright v4.01 \"RUS-Full\" - [*][*]"));

        const QString marked = PathOf("odd/<b>bold</b>.bin");
        const QString message = marked + Q(": File not found");
        QMessageBox box;
        ConfigureErrorBox(box, message);
        auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(text != nullptr);
        QCOMPARE(text->text(), message);
        QCOMPARE(text->textFormat(), Qt::PlainText);
        QCOMPARE(box.icon(), QMessageBox::Critical);
    }

    void LatinFullflashLoad() {
        Window w(Edition::Latin);
        QByteArray image = PatternImage(kImageSize);
        const QByteArray a = QByteArray::fromHex("00077C00");  // width 7, row 1 = 0x7C00
        image.replace(kLatinRecordA, a.size(), a);
        QVERIFY(WriteAll(flash_, image));
        LoadFlash(w);
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(w.form->windowTitle(), Q("Runewright v4.01 \"ENG-Full\" - [flash.bin]"));
        w.Action("English1")->trigger();
        w.dialogs->save_answers.push_back(PathOf("all.sfe"));
        w.Action("N39")->trigger();
        QCOMPARE(w.Find<QLabel>("LabelOffcet")->text(), Q("Saved to all.sfe: 250 glyphs"));
        w.Action("N8")->trigger();
        QCOMPARE(w.Find<QLabel>("Label2")->text(), Q("7C 00"));
        QCOMPARE(w.Find<QLabel>("Label0")->text(), Q("7"));
        const QImage panel = w.Find("Panel106")->grab().toImage();
        QCOMPARE(Pixel(panel, QPoint(8 + 1, 36 + 1)), kBlackPixel);
        QCOMPARE(Pixel(panel, QPoint(8 + 6, 36 + 1)), kWhitePixel);

        const QString sfe = PathOf("font.sfe");
        w.dialogs->save_answers.push_back(sfe);
        w.Action("N39")->trigger();
        QCOMPARE(w.dialogs->save_requests.back().filter, Q("SiemensFont Eng (*.sfe)|*.sfe"));
        QCOMPARE(BareSuffix(w.dialogs->save_requests.back().default_suffix.value_or(QString())),
                 Q("sfe"));
        QCOMPARE(ReadAll(sfe).size(), 9472);
    }
};

RUNEWRIGHT_UI_TEST(FileCommandsTest)
#include "file_commands_test.moc"
