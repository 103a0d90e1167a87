// The "Сервис" menu: its place and texts, PNG sheets out and back through the window's file
// dialogs, and the import dialog driven through its own widgets.
#include <QComboBox>
#include <QDir>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "edition/message.h"
#include "edition/texts.h"
#include "editor/font_sheet.h"
#include "model/load_scope.h"
#include "png/png_files.h"
#include "ui/import_font_dialog.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

class ToolsMenuTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

  private slots:
    void ToolsStandBeforeInfoInBothEditionsAndFollowTheLanguage() {
        for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
            Window w(edition);
            const QList<QAction*> bar = w.form->menuBar()->actions();
            const auto tools = static_cast<int>(bar.indexOf(w.Menu("Service1")->menuAction()));
            QVERIFY(tools >= 0);
            QCOMPARE(bar.indexOf(w.Menu("N4")->menuAction()), tools + 1);
            QCOMPARE(Caption(w.Menu("Service1")), Q("Сервис"));
            QCOMPARE(Caption(w.Action("ImportFont1")), Q("Импорт из шрифта..."));
            QCOMPARE(Caption(w.Action("ImportPng1")), Q("Импорт из PNG..."));
            QCOMPARE(Caption(w.Action("ExportPng1")), Q("Экспорт в PNG..."));
        }
        Window w(Edition::Latin);
        w.Action("English1")->trigger();
        QCOMPARE(Caption(w.Menu("Service1")), QStringLiteral("Tools"));
        QCOMPARE(Caption(w.Action("ImportFont1")), QStringLiteral("Import from font..."));
        QCOMPARE(Caption(w.Action("ImportPng1")), QStringLiteral("Import from PNG..."));
        QCOMPARE(Caption(w.Action("ExportPng1")), QStringLiteral("Export to PNG..."));
    }

    void ASheetExportedAndImportedBringsTheFontBack() {
        Window w(Edition::Cyrillic);
        FontImage font;
        font.narrow[0][0] = {6, 0, 0x38, 0x44, 0x44, 0x44, 0x7C, 0x44, 0x44, 0x44, 0, 0, 0};
        // Draw through the sheet itself: write a sheet of that font, import it.
        const QString png = dir_.filePath(QStringLiteral("font.png"));
        w.dialogs->open_answers.push_back(png);
        QVERIFY(WritePngOf(font, png));
        w.Action("ImportPng1")->trigger();
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(w.form->editor().font().narrow[0][0], font.narrow[0][0]);

        const QString out = dir_.filePath(QStringLiteral("out.png"));
        w.dialogs->save_answers.push_back(out);
        w.Action("ExportPng1")->trigger();
        QCOMPARE(ReadAll(out), ReadAll(png));
    }

    void AWrongPictureNamesTheFileAndChangesNothing() {
        Window w(Edition::Cyrillic);
        const FontImage before = w.form->editor().font();
        const QString not_png = dir_.filePath(QStringLiteral("not.png"));
        QVERIFY(WriteAll(not_png, QByteArray("plain text")));
        w.dialogs->open_answers.push_back(not_png);
        w.Action("ImportPng1")->trigger();
        QCOMPARE(w.dialogs->errors, QStringList{not_png + Q(": Не картинка PNG")});
        QVERIFY(w.form->editor().font() == before);
        w.dialogs->open_answers.push_back(QString());
        w.Action("ImportPng1")->trigger();  // cancelled: nothing asked, nothing shown
        QCOMPARE(w.dialogs->errors.size(), 1);
    }

    void TheImportDialogPreviewsTheBlockAndFollowsItsValues() {
        const GlyphCell cell{8, 11};
        const FontImportTarget target{Edition::Cyrillic, cell, false,
                                      ScopeBlocks(LoadScope{6}, Edition::Cyrillic)};
        const QString terminus =
            QStringLiteral("/usr/share/fonts/X11/misc/ter-u12n_unicode.pcf.gz");
        ImportFontDialog dialog({target, FontImage{}, 1, kRussian},
                                [&] { return std::optional<QString>(terminus); });
        QCOMPARE(dialog.pixel_size()->value(), 12);
        QVERIFY(dialog.families()->count() > 0);
        QCOMPARE(dialog.families()->currentText(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(dialog.styles()->currentText(), QStringLiteral("Book"));
        QCOMPARE(dialog.Request().font, std::string("DejaVu Sans:style=Book"));
        QCOMPARE(dialog.PreviewImage().size(), QSize(34 * 9 * 3, 12 * 3));

        dialog.file_button()->click();
        QCOMPARE(dialog.Request().font, terminus.toStdString());
        QCOMPARE(dialog.baseline()->value(), 9);  // the strike's 2-pixel descender
        // Lower-case а of Terminus: its bowl's top row, row 4, at 3x.
        const QImage strip = dialog.PreviewImage();
        QCOMPARE(strip.pixelColor(2 * 3 + 1, 3 * 3 + 1), QColor(Qt::black));
        QCOMPARE(strip.pixelColor(1 * 3 + 1, 3 * 3 + 1), QColor(Qt::white));

        dialog.baseline()->setValue(8);
        QCOMPARE(dialog.PreviewImage().pixelColor(2 * 3 + 1, 2 * 3 + 1), QColor(Qt::black));
        QCOMPARE(*dialog.Request().baseline, 8);
        dialog.bold()->setCurrentIndex(1);
        QVERIFY(dialog.Request().embolden);
    }

    // The widest blocks, Latin and Cyrillic wide, in both languages: the dialog fits a 1280-pixel
    // screen with its buttons, and says before OK what the import would clip or miss.
    void TheImportDialogFitsAndCountsWhatItClipsOrMisses() {
        const struct {
            Edition edition;
            GlyphCell cell;
            Language language;
        } cases[] = {{Edition::Latin, {16, 11}, kEnglish},
                     {Edition::Latin, {16, 11}, kRussian},
                     {Edition::Cyrillic, {16, 15}, kRussian},
                     {Edition::Cyrillic, {8, 11}, kRussian}};
        for (const auto& c : cases) {
            const FontImportTarget target{c.edition, c.cell, false,
                                          ScopeBlocks(LoadScope{6}, c.edition)};
            ImportFontDialog dialog({target, FontImage{}, 0, c.language}, nullptr);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QVERIFY2(dialog.width() <= 1000, qPrintable(QString::number(dialog.width())));
            QVERIFY(dialog.PreviewImage().width() <= 920);
            auto* buttons = dialog.findChild<QWidget*>(QStringLiteral("Buttons"));
            QVERIFY(buttons != nullptr && buttons->isVisible());
            QVERIFY(dialog.rect().contains(
                QRect(buttons->mapTo(&dialog, QPoint(0, 0)), buttons->size())));
            // The counts are those of the import the values describe, and follow them.
            for (int size : {c.cell.last_row + 1, 6}) {
                dialog.pixel_size()->setValue(size);
                QCOMPARE(dialog.ProblemCounts(), ExpectedCounts(dialog, target, c.language));
            }
            QVERIFY(!dialog.ProblemCounts().isEmpty());
        }
    }

    // With RUNEWRIGHT_SCREENSHOTS naming a folder, pictures of the import dialog in both
    // editions go there for the documentation.
    void SaveScreenshots() {
        const QString folder = qEnvironmentVariable("RUNEWRIGHT_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("RUNEWRIGHT_SCREENSHOTS names no folder");
        const struct {
            Edition edition;
            GlyphCell cell;
            int block;
            Language language;
            const char* name;
        } shots[] = {{Edition::Cyrillic, {8, 11}, 0, kRussian, "import-dialog-rus.png"},
                     {Edition::Latin, {16, 15}, 1, kEnglish, "import-dialog-eng.png"}};
        for (const auto& shot : shots) {
            const FontImportTarget target{shot.edition, shot.cell, false,
                                          ScopeBlocks(LoadScope{6}, shot.edition)};
            ImportFontDialog dialog({target, FontImage{}, shot.block, shot.language}, nullptr);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QVERIFY(dialog.grab().save(QDir(folder).filePath(QLatin1String(shot.name))));
        }
    }

  private:
    static QString ExpectedCounts(const ImportFontDialog& dialog, const FontImportTarget& target,
                                  Language language) {
        ImportFaces faces;
        if (!OpenImportFaces(dialog.Request(), target.cell, faces).ok()) return QString();
        FontImage font;
        const FontImportReport report =
            ImportFontGlyphs(target, *faces.normal, faces.bold.get(), faces.baseline, font);
        return Q(Render(CountImportProblems(report), language).c_str());
    }

    static bool WritePngOf(const FontImage& font, const QString& path) {
        const FontSheetGeometry g = FontSheetGeometry::Of(Edition::Cyrillic, {8, 11});
        return WritePng(path.toStdString(), PaintFontSheet(font, g, 4)).ok();
    }
};

RUNEWRIGHT_UI_TEST(ToolsMenuTest)
#include "tools_menu_test.moc"
