// The window's own controls on their own: the image button with its inverted hover events, the
// speed button that acts on press, the drawn pictures and the set-up of the file dialogs.
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFileDialog>
#include <QSignalSpy>
#include <QTest>

#include "ui/file_dialogs.h"
#include "ui/image_button.h"
#include "ui/pictures.h"
#include "ui/speed_button.h"
#include "ui_test_registry.h"

using namespace rw::ui;

namespace {

void Enter(QWidget* widget) {
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(widget, &event);
}

void Leave(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

int CountColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) & 0xFFFFFF) == colour;
    }
    return count;
}

}  // namespace

class ComponentsTest : public QObject {
    Q_OBJECT

  private slots:
    // OnMouseOut is raised on entry and OnMouseIn on exit, once per crossing.
    void ImageIoRaisesItsEventsTheOtherWayRound() {
        TImageIO control;
        QSignalSpy in(&control, &TImageIO::OnMouseIn);
        QSignalSpy out(&control, &TImageIO::OnMouseOut);
        Enter(&control);
        QCOMPARE(out.count(), 1);
        QCOMPARE(in.count(), 0);
        QCOMPARE(out.at(0).at(0).value<TImageIO*>(), &control);
        Leave(&control);
        QCOMPARE(in.count(), 1);
        QCOMPARE(out.count(), 1);
    }

    void ImageIoTakesThePictureSizeAndReportsPressesOfAnyButton() {
        TImageIO control;
        control.SetPicture(ArrowPicture(ArrowDirection::Up, false));
        QCOMPARE(control.size(), QSize(14, 14));
        QSignalSpy pressed(&control, &TImageIO::OnMouseDown);
        QTest::mousePress(&control, Qt::RightButton);
        QTest::mousePress(&control, Qt::MiddleButton);
        QCOMPARE(pressed.count(), 2);
        QCOMPARE(pressed.at(0).at(1).value<Qt::MouseButton>(), Qt::RightButton);
    }

    // The key colour is see-through: the parent's colour shows in the corners.
    void ImageIoDrawsMagentaSeeThrough() {
        QWidget parent;
        parent.resize(20, 20);
        parent.setAutoFillBackground(true);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, QColor(0, 0, 255));
        parent.setPalette(palette);
        auto* control = new TImageIO(&parent);
        control->SetPicture(ArrowPicture(ArrowDirection::Right, true));
        const QImage shown = parent.grab().toImage();
        QCOMPARE(shown.pixel(0, 0) & 0xFFFFFF, QRgb(0x0000FF));
        QCOMPARE(CountColour(shown, kTransparentKey & 0xFFFFFF), 0);
        QVERIFY(CountColour(shown, 0x00C800) > 0);
    }

    void ArrowPicturesPointTheirWayOnTheKeyColour() {
        const ArrowPictures p = ArrowPictures::Make();
        for (const QImage* image :
             {&p.ioRTn, &p.ioRTp, &p.ioLTn, &p.ioLTp, &p.ioUPn, &p.ioUPp, &p.ioDNn, &p.ioDNp}) {
            QCOMPARE(image->size(), QSize(14, 14));
            QCOMPARE(image->pixel(0, 0) & 0xFFFFFF, kTransparentKey & 0xFFFFFF);
        }
        // Ink lies where the arrow points: the widest column of a right arrow is on the left.
        auto ink_in_column = [](const QImage& image, int x) {
            int n = 0;
            for (int y = 0; y < 14; ++y) n += (image.pixel(x, y) & 0xFFFFFF) != 0xFF00FF;
            return n;
        };
        QVERIFY(ink_in_column(p.ioRTn, 4) > ink_in_column(p.ioRTn, 9));
        QVERIFY(ink_in_column(p.ioLTn, 9) > ink_in_column(p.ioLTn, 4));
        QCOMPARE(p.ioUPn, p.ioUPn.transformed(QTransform().scale(-1, 1)));
        QCOMPARE(p.ioDNn.mirrored(false, true), p.ioUPn);
        QCOMPARE(CountColour(p.ioRTn, 0x00C800), 0);
        QVERIFY(CountColour(p.ioRTp, 0x00C800) > 0);
    }

    void ProhibitionSignIsARedRingWithABar() {
        const QImage sign = ProhibitionSign(QColor(212, 208, 200));
        QCOMPARE(sign.size(), QSize(18, 18));
        QCOMPARE(sign.pixel(0, 0) & 0xFFFFFF, QRgb(0xD4D0C8));
        QCOMPARE(sign.pixel(9, 1) & 0xFFFFFF, QRgb(0xFF0000));   // top of the ring
        QCOMPARE(sign.pixel(9, 9) & 0xFFFFFF, QRgb(0xFF0000));   // the bar through the centre
        QCOMPARE(sign.pixel(12, 5) & 0xFFFFFF, QRgb(0xD4D0C8));  // inside, off the bar
    }

    void WindowIconHasEverySize() {
        for (int size : {16, 32, 48}) {
            QCOMPARE(WindowIconImage(size).size(), QSize(size, size));
            QVERIFY(CountColour(WindowIconImage(size), 0x000000) > 0);
        }
        QVERIFY(!WindowIcon().isNull());
    }

    // The button reports the press and leaves its state to the window.
    void SpeedButtonActsOnPressAndKeepsItsState() {
        SpeedButton button;
        QSignalSpy pressed(&button, &SpeedButton::MouseDown);
        QTest::mousePress(&button, Qt::RightButton);
        QTest::mouseRelease(&button, Qt::RightButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(pressed.count(), 2);
        QVERIFY(!button.IsDown());
        button.SetDown(true);
        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(button.IsDown());
    }

    void FiltersAndSuffixesInQtForm() {
        QCOMPARE(QtNameFilter(QStringLiteral("FullFlash (*.bin)|*.bin")),
                 QStringLiteral("FullFlash (*.bin)"));
        QCOMPARE(BareSuffix(QStringLiteral("*.sft")), QStringLiteral("sft"));
        QCOMPARE(BareSuffix(QStringLiteral(".sbf")), QStringLiteral("sbf"));
    }

    // The start directory until a file was chosen, then that file; a request without a default
    // extension keeps the one set before.
    void DialogsStartAtTheStartDirectoryAndRememberTheLastFile() {
        const QString start = QDir::tempPath();
        FileDialogMemory memory;
        QFileDialog first;
        ConfigureFileDialog(
            first,
            {QStringLiteral("Save"), QStringLiteral("F (*.sft)|*.sft"), QStringLiteral("*.sft")},
            true, memory, start);
        QCOMPARE(first.directory().absolutePath(), QDir(start).absolutePath());
        QCOMPARE(first.windowTitle(), QStringLiteral("Save"));
        QCOMPARE(first.defaultSuffix(), QStringLiteral("sft"));
        QCOMPARE(first.acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(first.testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(first.nameFilters(), QStringList({QStringLiteral("F (*.sft)")}));

        memory.last_path = QDir(start).filePath(QStringLiteral("flash.bin"));
        QFileDialog second;
        ConfigureFileDialog(
            second, {QStringLiteral("Save"), QStringLiteral("B (*.bin)|*.bin"), std::nullopt}, true,
            memory, QStringLiteral("/"));
        QCOMPARE(second.directory().absolutePath(), QDir(start).absolutePath());
        QCOMPARE(second.defaultSuffix(), QStringLiteral("sft"));
    }
};

RUNEWRIGHT_UI_TEST(ComponentsTest)
#include "components_test.moc"
