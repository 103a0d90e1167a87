// The "Сервис" menu: its place and texts, PNG sheets out and back through the window's file
// dialogs, and the import dialog driven through its own widgets.
#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "edition/texts.h"
#include "editor/font_sheet.h"
#include "io/load_scope.h"
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
            const int tools = bar.indexOf(w.Menu("Service1")->menuAction());
            QVERIFY(tools >= 0);
            QCOMPARE(bar.indexOf(w.Menu("N4")->menuAction()), tools + 1);
            QCOMPARE(w.Menu("Service1")->title(), Q("Сервис"));
            QCOMPARE(w.Action("ImportFont1")->text(), Q("Импорт из шрифта..."));
            QCOMPARE(w.Action("ImportPng1")->text(), Q("Импорт из PNG..."));
            QCOMPARE(w.Action("ExportPng1")->text(), Q("Экспорт в PNG..."));
        }
        Window w(Edition::Latin);
        w.Action("English1")->trigger();
        QCOMPARE(w.Menu("Service1")->title(), QStringLiteral("Tools"));
        QCOMPARE(w.Action("ImportFont1")->text(), QStringLiteral("Import from font..."));
        QCOMPARE(w.Action("ImportPng1")->text(), QStringLiteral("Import from PNG..."));
        QCOMPARE(w.Action("ExportPng1")->text(), QStringLiteral("Export to PNG..."));
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
        QCOMPARE(w.dialogs->errors, QStringList{not_png + QStringLiteral(": Not a PNG picture")});
        QVERIFY(w.form->editor().font() == before);
        w.dialogs->open_answers.push_back(QString());
        w.Action("ImportPng1")->trigger();  // cancelled: nothing asked, nothing shown
        QCOMPARE(w.dialogs->errors.size(), 1);
    }

    void TheImportDialogPreviewsTheBlockAndFollowsItsValues() {
        const GlyphCell cell{8, 11};
        const FontImportTarget target{Edition::Cyrillic, cell, false,
                                      ScopeBlocks(6, Edition::Cyrillic)};
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

  private:
    static bool WritePngOf(const FontImage& font, const QString& path) {
        const FontSheetGeometry g = FontSheetGeometry::Of(Edition::Cyrillic, {8, 11});
        return WritePng(path.toStdString(), PaintFontSheet(font, g, 4)).ok();
    }
};

RUNEWRIGHT_UI_TEST(ToolsMenuTest)
#include "tools_menu_test.moc"
