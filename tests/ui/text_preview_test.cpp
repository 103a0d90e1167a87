// The text preview window, and the warning and question a fullflash without the chosen font
// brings, answered through the replaced dialogs.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "io/flash_codec.h"
#include "ui/app_look.h"
#include "ui/text_preview_window.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

// A fullflash whose S/ME 45 Normal records all look like glyphs: width bytes 0..9.
QByteArray S45Flash(Edition edition) {
    QByteArray image = PatternImage(kImageSize);
    const FontLayout layout = LookupLayout(edition, PhoneModel::SME45, FontKind::Normal);
    int n = 0;
    for (const FlashRecord& r : RecordsToWrite(edition, layout)) {
        const qsizetype width_byte = r.position + (edition == Edition::Latin ? 1 : 0);
        if (edition == Edition::Latin) image[width_byte - 1] = 0;
        image[width_byte] = static_cast<char>(n++ % 10);
    }
    return image;
}

int InkPixels(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) ink += Pixel(image, {x, y}) == kBlackPixel;
    }
    return ink;
}

}  // namespace

class TextPreviewTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString flash_;

    TextPreviewWindow* OpenPreview(Window& w) {
        w.Action("TextPreview1")->trigger();
        return w.form->findChild<TextPreviewWindow*>();
    }

  private slots:
    void initTestCase() {
        ApplyClassicLook(*qApp);
        QVERIFY(dir_.isValid());
        flash_ = dir_.filePath(QStringLiteral("flash.bin"));
    }

    void PreviewOpensBesideTheWindowWithItsDefaults() {
        Window w(Edition::Cyrillic);
        QCOMPARE(Caption(w.Action("TextPreview1")), Q("Просмотр текста..."));
        TextPreviewWindow* preview = OpenPreview(w);
        QVERIFY(preview != nullptr);
        QVERIFY(preview->isVisible());
        QVERIFY(!preview->isModal());
        QCOMPARE(preview->windowTitle(), Q("Просмотр текста"));
        QCOMPARE(preview->findChild<QLineEdit*>("PreviewText")->text(),
                 Q("Съешь же ещё этих мягких французских булок, да выпей чаю"));
        QCOMPARE(preview->findChild<QSpinBox*>("PreviewScale")->value(), 3);
        QCOMPARE(preview->findChild<QSpinBox*>("PreviewWrapWidth")->value(), 101);
        // An empty font: every letter has width 0, only the comma's box shows.
        QCOMPARE(preview->Picture().size(), QSize(101 * 3, 11 * 3));
        QCOMPARE(preview->MissingText(), Q("Нет в шрифте: ,"));
        preview->findChild<QSpinBox*>("PreviewScale")->setValue(1);
        QCOMPARE(preview->Picture().size(), QSize(101, 11));
        QCOMPARE(InkPixels(preview->Picture()), 4 + 4 + 9 + 9);  // the 4 x 11 box outline

        Window latin(Edition::Latin);
        latin.Action("English1")->trigger();
        QCOMPARE(Caption(latin.Action("TextPreview1")), Q("Text preview..."));
        TextPreviewWindow* english = OpenPreview(latin);
        QCOMPARE(english->windowTitle(), Q("Text preview"));
        QCOMPARE(english->findChild<QLineEdit*>("PreviewText")->text(),
                 Q("The quick brown fox jumps over the lazy dog 0123456789 (!?)"));
        QVERIFY(english->MissingText().isEmpty());
        latin.Action("N8")->trigger();
        QCOMPARE(english->windowTitle(), Q("Просмотр текста"));
    }

    // The selected slot shows the glyph being edited, before it is written back.
    void PreviewFollowsTheWorkingGlyphAndTheFont() {
        Window w(Edition::Cyrillic);
        TextPreviewWindow* preview = OpenPreview(w);
        preview->findChild<QLineEdit*>("PreviewText")->setText(Q("ААБ"));
        preview->findChild<QSpinBox*>("PreviewScale")->setValue(1);
        QCOMPARE(InkPixels(preview->Picture()), 0);
        QWidget* grid = w.Find("EditGrid");
        w.Press(grid, Qt::LeftButton, CellCentre(1, 2));  // row 1, column 2 of А
        // Both А drawn from the working glyph, the second one its width further.
        const int width = w.Find<QLabel>("Label0")->text().toInt();
        QVERIFY(width > 0);
        const QImage drawn = preview->Picture();
        QCOMPARE(InkPixels(drawn), 2);
        QCOMPARE(Pixel(drawn, {2, 0}), kBlackPixel);
        QCOMPARE(Pixel(drawn, {2 + width, 0}), kBlackPixel);
        // Bold sets the text in the bold block, which is still empty.
        preview->findChild<QCheckBox*>("PreviewBold")->setChecked(true);
        QCOMPARE(InkPixels(preview->Picture()), 0);
        preview->findChild<QCheckBox*>("PreviewBold")->setChecked(false);
        // Clearing the font reaches the preview too.
        w.Action("N16")->trigger();
        QCOMPARE(InkPixels(preview->Picture()), 0);
    }

    void LoadOfAFullflashWithoutTheFontWarnsOnceAndKeepsTheLoad() {
        Window w(Edition::Cyrillic);
        QVERIFY(WriteAll(flash_, PatternImage(kImageSize)));
        w.dialogs->open_answers.push_back(flash_);
        w.Action("N2")->trigger();
        QVERIFY(w.dialogs->errors.isEmpty());
        QCOMPARE(w.dialogs->warnings.size(), 1);
        const QString warning = w.dialogs->warnings[0];
        QVERIFY2(warning.startsWith(Q("Данные на местах шрифта S/ME 45 Normal не похожи на шрифт "
                                      "(совпадает ")),
                 qPrintable(warning));
        QVERIFY(warning.endsWith(Q("%). Проверьте модель телефона и тип шрифта.")));
        QCOMPARE(w.form->windowTitle(), Q("Runewright v4.01 \"RUS-Full\" - [flash.bin]"));

        // A fullflash with the font: no word. One with it elsewhere names where.
        QVERIFY(WriteAll(flash_, S45Flash(Edition::Cyrillic)));
        w.dialogs->open_answers.push_back(flash_);
        w.Action("N2")->trigger();
        QCOMPARE(w.dialogs->warnings.size(), 1);
        w.Action("N45i1")->trigger();
        w.dialogs->open_answers.push_back(flash_);
        w.Action("N2")->trigger();
        QCOMPARE(w.dialogs->warnings.size(), 2);
        QVERIFY(w.dialogs->warnings[1].contains(Q(". Похоже на: S/ME 45 Normal. Проверьте")));
    }

    void SaveIntoAFullflashWithoutTheFontAsksAndCancelWritesNothing() {
        Window w(Edition::Latin);
        w.Action("English1")->trigger();
        const QByteArray foreign = PatternImage(kImageSize);
        QVERIFY(WriteAll(flash_, foreign));
        const QString caption = w.form->windowTitle();
        w.dialogs->save_answers.push_back(flash_);
        w.dialogs->question_answers.push_back(false);
        w.Action("N23")->trigger();
        QCOMPARE(w.dialogs->questions.size(), 1);
        QVERIFY(w.dialogs->questions[0].startsWith(
            Q("The data at the places of the S/ME 45 Normal font do not look like a font (")));
        // Nothing loaded: the same question says that every glyph would be replaced.
        QVERIFY(w.dialogs->questions[0].endsWith(Q(" Save anyway?")));
        QVERIFY(w.dialogs->questions[0].contains(Q("also replaces 250 glyphs you did not change")));
        QCOMPARE(w.dialogs->question_choices[0], std::make_pair(Q("Save"), Q("Cancel")));
        QCOMPARE(ReadAll(flash_), foreign);
        QCOMPARE(w.form->windowTitle(), caption);

        w.dialogs->save_answers.push_back(flash_);
        w.dialogs->question_answers.push_back(true);
        w.Action("N23")->trigger();
        QVERIFY(ReadAll(flash_) != foreign);
        QVERIFY(w.dialogs->errors.isEmpty());

        // A fullflash with the font, loaded and saved back: the save asks nothing.
        QVERIFY(WriteAll(flash_, S45Flash(Edition::Latin)));
        w.dialogs->open_answers.push_back(flash_);
        w.Action("N2")->trigger();
        w.Action("N18")->trigger();  // "Clear font": the user's own change
        w.dialogs->save_answers.push_back(flash_);
        w.Action("N23")->trigger();
        QCOMPARE(w.dialogs->questions.size(), 2);
        QVERIFY(ReadAll(flash_) != S45Flash(Edition::Latin));
    }

    // The real question box: Enter and Escape both give Отмена; only a click on Записать writes.
    void RealQuestionDefaultsToCancel() {
        QtFileDialogs dialogs(nullptr, QDir::currentPath());
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space}) {
            QString default_text;
            QTimer timer;
            connect(&timer, &QTimer::timeout, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box == nullptr) return;
                timer.stop();
                default_text = box->defaultButton()->text();
                if (key == Qt::Key_Space) {
                    for (QAbstractButton* button : box->buttons()) {
                        if (button->text() == Q("Записать")) button->click();
                    }
                } else {
                    QTest::keyClick(box, key);
                }
            });
            timer.start(10);
            const bool go_on = dialogs.Ask(Q("Всё равно записать?"), Q("Записать"), Q("Отмена"));
            QCOMPARE(go_on, key == Qt::Key_Space);
            QCOMPARE(default_text, Q("Отмена"));
        }
    }

    void RussianQuestionOffersWriteAndCancel() {
        Window w(Edition::Cyrillic);
        QVERIFY(WriteAll(flash_, PatternImage(kImageSize)));
        w.dialogs->save_answers.push_back(flash_);
        w.dialogs->question_answers.push_back(false);
        w.Action("N23")->trigger();
        QCOMPARE(w.dialogs->question_choices.at(0), std::make_pair(Q("Записать"), Q("Отмена")));
        // Nothing was loaded, so the one question also says that 136 glyphs would be replaced.
        QVERIFY(w.dialogs->questions[0].contains(Q("не похожи на шрифт")));
        QVERIFY(w.dialogs->questions[0].endsWith(Q("или не загружен. Записать?")));
        QCOMPARE(ReadAll(flash_), PatternImage(kImageSize));
    }
};

RUNEWRIGHT_UI_TEST(TextPreviewTest)
#include "text_preview_test.moc"
