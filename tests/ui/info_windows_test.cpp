// The help, history and About windows of both editions: frame, sizes, orange read-only texts,
// the language of their texts, modal showing and the About window's link.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <memory>

#include "edition/texts.h"
#include "ui/app_look.h"
#include "ui/href.h"
#include "ui/info_windows.h"
#include "ui/qt_conversions.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using rw::ui::test::InView;

namespace {

class UrlRecorder : public LinkOpener {
  public:
    explicit UrlRecorder(QList<QUrl>* urls) : urls_(urls) {}
    void StartProgram(const QString&) override {}
    void OpenUrl(const QUrl& url) override { *urls_ << url; }

  private:
    QList<QUrl>* urls_;
};

// Runs `check` on the window while exec() shows it, then closes it with its close button's
// event; returns whether exec() came back.
bool ShowModally(InfoWindow& window, const std::function<void()>& check) {
    bool checked = false;
    QTimer::singleShot(0, &window, [&] {
        check();
        checked = true;
        window.close();
    });
    window.exec();
    return checked && !window.isVisible();
}

// The window as the user sees it: its client area under a plain title bar with the caption and
// the close box, as a tool window's frame would draw them.
QImage FramedPicture(QWidget& window) {
    const QImage client = window.grab().toImage();
    constexpr int kBar = 18;
    QImage picture(client.width() + 2, client.height() + kBar + 2, QImage::Format_RGB32);
    picture.fill(QColor(212, 208, 200));
    QPainter painter(&picture);
    painter.fillRect(1, 1, client.width(), kBar - 1, QColor(10, 36, 106));
    QFont caption = window.font();
    caption.setBold(true);
    painter.setFont(caption);
    painter.setPen(Qt::white);
    painter.drawText(QRect(5, 1, client.width() - 24, kBar - 1), Qt::AlignVCenter,
                     window.windowTitle());
    const QRect close(client.width() - 15, 3, 13, 12);
    painter.fillRect(close, QColor(212, 208, 200));
    painter.setPen(Qt::black);
    painter.drawLine(close.topLeft() + QPoint(3, 3), close.bottomRight() - QPoint(3, 3));
    painter.drawLine(close.topRight() + QPoint(-3, 3), close.bottomLeft() + QPoint(3, -3));
    painter.drawImage(1, kBar + 1, client);
    return picture;
}

}  // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ApplyClassicLook(*qApp); }

    void SizesAndFieldsOfBothEditions_data() {
        QTest::addColumn<int>("edition");
        QTest::newRow("rus") << int(Edition::Cyrillic);
        QTest::newRow("eng") << int(Edition::Latin);
    }
    void SizesAndFieldsOfBothEditions() {
        QFETCH(int, edition);
        const auto e = static_cast<Edition>(edition);
        const bool latin = e == Edition::Latin;
        InfoWindows windows(e);

        QCOMPARE(windows.form3.objectName(), QStringLiteral("Form3"));
        QCOMPARE(windows.form3.size(), QSize(305, 321));
        QCOMPARE(windows.form3.RichEdit1()->geometry(), QRect(0, 0, 305, 321));
        QCOMPARE(windows.form4.objectName(), QStringLiteral("Form4"));
        QCOMPARE(windows.form4.size(), latin ? QSize(273, 286) : QSize(303, 286));
        QCOMPARE(windows.form4.RichEdit1()->geometry(),
                 latin ? QRect(0, 0, 273, 286) : QRect(0, 0, 303, 286));
        QCOMPARE(windows.form5.objectName(), QStringLiteral("Form5"));
        QCOMPARE(windows.form5.size(), QSize(329, 384));
        QCOMPARE(windows.form5.RichEdit1()->geometry(), QRect(0, 96, 329, 249));
        if (latin) {
            // The English texts wait outside the client area.
            QCOMPARE(windows.form3.RichEdit2()->geometry(), QRect(312, 0, 305, 321));
            QCOMPARE(windows.form4.RichEdit2()->geometry(), QRect(288, 0, 273, 286));
            QCOMPARE(windows.form5.RichEdit2()->geometry(), QRect(336, 96, 329, 249));
        } else {
            QVERIFY(windows.form3.RichEdit2() == nullptr);
            QVERIFY(windows.form4.RichEdit2() == nullptr);
            QVERIFY(windows.form5.RichEdit2() == nullptr);
        }
        for (InfoWindow* window :
             {static_cast<InfoWindow*>(&windows.form3), static_cast<InfoWindow*>(&windows.form4),
              static_cast<InfoWindow*>(&windows.form5)}) {
            const Qt::WindowFlags flags = window->windowFlags();
            QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
            QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
            QVERIFY(!window->isVisible());
            QVERIFY(InView(window->RichEdit1()));
            if (latin) QVERIFY(!InView(window->RichEdit2()));
        }
    }

    void TextFieldsAreOrangeReadOnlyAndScrollVertically() {
        InfoWindows windows(Edition::Latin);
        windows.form3.show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.form3));
        QTextEdit* edit = windows.form3.RichEdit1();
        QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(edit->verticalScrollBar()->isVisible());
        QVERIFY(edit->isReadOnly());
        // The bottom right of the text area is blank, so it shows the background.
        const QImage picture = edit->viewport()->grab().toImage();
        const QPoint blank(picture.width() - 4, picture.height() - 4);
        QCOMPARE(QColor(picture.pixel(blank)), QColor(252, 155, 37));

        const QString before = edit->toPlainText();
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("typed"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edit->toPlainText(), before);
        windows.form3.hide();
    }

    void CyrillicTexts() {
        InfoWindows windows(Edition::Cyrillic);
        QCOMPARE(windows.form3.windowTitle(), Q("Инструкция"));
        QCOMPARE(windows.form4.windowTitle(), Q("История"));
        QCOMPARE(windows.form5.windowTitle(), QStringLiteral("About"));
        const QString help = windows.form3.RichEdit1()->toPlainText();
        QVERIFY(help.contains(Q("В сименсах C/M/S 35 отсутствуют буквы Ё, ё, Є, є.")));
        QVERIFY(
            help.contains(Q("Все русские шрифты для С45 и M50 - широкие, такие, как шрифт "
                            "Big, но разной высоты")));
        QVERIFY(help.contains(Q("В C/M нету жирного начертания для шрифта Small.")));

        // The history, version by version and item by item, newest first.
        const QStringList lines =
            windows.form4.RichEdit1()->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 11 + 16);  // headings and changes
        QCOMPARE(lines[0], Q("- v4.01 -"));
        QCOMPARE(lines[1], Q("* добавлена поддержка шрифтов M 50"));
        QCOMPARE(lines[2], Q("- v4.00 -"));
        QCOMPARE(lines[5], Q("* в комплект добавлена программа \"ENG-Full\""));
        QCOMPARE(lines[6], Q("- v3.42 -"));
        QCOMPARE(lines[7], Q("* добавлена возможность конвертации SFT -> SBF"));
        QCOMPARE(lines.at(lines.size() - 2), Q("- v1.00 -"));
        QCOMPARE(lines.last(), Q("*исходная"));

        QCOMPARE(windows.form5.Label1()->text(),
                 Q("Runewright v4.01 \"RUS-Full\" (SmallNormalWapBig)"));
        QCOMPARE(windows.form5.Label2()->text(),
                 Q("Программа аплоадер/даунлоадер и редактор русских шрифтов для флешек "
                   "телефонов Siemens C/M/S 35, S/ME 45, S/ME 45i, С 45 и M 50"));
        QVERIFY(windows.form5.RichEdit1()->toPlainText().startsWith(Q("1. Спасибо")));

        // The Cyrillic edition stays Russian whatever it is told.
        windows.form3.SetLanguage(kEnglish);
        windows.form5.SetLanguage(kEnglish);
        QCOMPARE(windows.form3.windowTitle(), Q("Инструкция"));
        QCOMPARE(windows.form3.RichEdit1()->x(), 0);
        QCOMPARE(windows.form5.Label2()->text().left(9), Q("Программа"));
    }

    void LatinLanguageSwitchMovesTheTexts() {
        InfoWindows windows(Edition::Latin);
        QCOMPARE(windows.form5.Label1()->text(),
                 Q("Runewright v4.01 \"ENG-Full\" (SmallNormalWapBig)"));
        QVERIFY(windows.form4.RichEdit1()->toPlainText().contains(Q("* исходная версия")));

        windows.form3.SetLanguage(kEnglish);
        windows.form4.SetLanguage(kEnglish);
        windows.form5.SetLanguage(kEnglish);
        QCOMPARE(windows.form3.windowTitle(), Q("Some instructions"));
        QCOMPARE(windows.form4.windowTitle(), Q("History"));
        QCOMPARE(windows.form5.windowTitle(), QStringLiteral("About"));
        QCOMPARE(windows.form5.Label2()->text(),
                 Q("Details: the uploader/downloader and the editor of the symbol set and English "
                   "Siemens C/M/S 35, S/ME 45, S/ME 45i, С 45 and M 50 font"));
        QCOMPARE(windows.form5.Label1()->text(),
                 Q("Runewright v4.01 \"ENG-Full\" (SmallNormalWapBig)"));
        for (InfoWindow* window :
             {static_cast<InfoWindow*>(&windows.form3), static_cast<InfoWindow*>(&windows.form4),
              static_cast<InfoWindow*>(&windows.form5)}) {
            QCOMPARE(window->RichEdit2()->x(), 0);
            QCOMPARE(window->RichEdit1()->x(), InfoWindow::kHiddenLeft);
            QVERIFY(InView(window->RichEdit2()));
            QVERIFY(!InView(window->RichEdit1()));
        }
        QCOMPARE(windows.form5.RichEdit2()->y(), 96);
        QVERIFY(windows.form3.RichEdit2()->toPlainText().endsWith(
            Q("Bold type characters for Small font is not present in C/M 35.")));
        QVERIFY(
            windows.form4.RichEdit2()->toPlainText().contains(Q("* now M50 fonts are supported")));
        QVERIFY(windows.form5.RichEdit2()->toPlainText().startsWith(Q("1. Thanks")));

        windows.form3.SetLanguage(kRussian);
        windows.form5.SetLanguage(kRussian);
        QCOMPARE(windows.form3.windowTitle(), Q("Инструкция"));
        QCOMPARE(windows.form3.RichEdit1()->x(), 0);
        QCOMPARE(windows.form3.RichEdit2()->x(), InfoWindow::kHiddenLeft);
        QCOMPARE(windows.form5.Label2()->text().left(9), Q("Программа"));
    }

    void ShownModallyCentredAndKeepsItsLanguage() {
        InfoWindows windows(Edition::Latin);
        windows.form3.SetLanguage(kEnglish);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(ShowModally(windows.form3, [&] {
            QVERIFY(windows.form3.isVisible());
            QVERIFY(windows.form3.isModal());
            QCOMPARE(QApplication::activeModalWidget(), &windows.form3);
            const QPoint off = windows.form3.frameGeometry().center() - screen.center();
            QVERIFY2(off.manhattanLength() <= 2,
                     qPrintable(QStringLiteral("%1,%2").arg(off.x()).arg(off.y())));
        }));
        // Closing only hides it: reopened, it still shows the English text.
        QVERIFY(ShowModally(windows.form3, [&] {
            QVERIFY(InView(windows.form3.RichEdit2()));
            QCOMPARE(windows.form3.windowTitle(), Q("Some instructions"));
        }));
    }

    void AboutLinkLeadsToTheProjectPage() {
        InfoWindows windows(Edition::Cyrillic);
        THref* link = windows.form5.Href1();
        QCOMPARE(link->geometry(), QRect(216, 368, 105, 13));
        QVERIFY(!link->AutoSize());
        QVERIFY(link->alignment() & Qt::AlignRight);
        QCOMPARE(link->LinkStyle(), TLinkStyle::lsHref);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        // The style came first, so the fonts keep their blue.
        QCOMPARE(link->FontNormal().color, QColor(0, 0, 255));
        QCOMPARE(link->FontActive().color, QColor(0, 0, 255));
        QVERIFY(link->FontActive().font.underline());
        QVERIFY(!link->FontNormal().font.underline());
        QVERIFY(link->StatusBar() == nullptr);
        QCOMPARE(link->StatusPanelNo(), 0);
        QCOMPARE(link->Target(), QUrl(QStringLiteral("http://runewright.example/")));
        QVERIFY(!link->text().isEmpty());

        QList<QUrl> opened;
        link->SetOpener(std::make_unique<UrlRecorder>(&opened));
        windows.form5.show();
        windows.form5.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&windows.form5));
        QWindow* handle = windows.form5.windowHandle();
        const QPoint at = link->geometry().center();
        QTest::mouseMove(handle, QPoint(5, 200));
        QTest::mouseMove(handle, at);
        QTest::qWait(1);
        QVERIFY(link->Activate());
        QTest::mouseClick(handle, Qt::RightButton, Qt::NoModifier, at);
        QVERIFY(opened.isEmpty());
        QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("http://runewright.example/"))});
        windows.form5.hide();
    }
    // With RUNEWRIGHT_SCREENSHOTS naming a folder, pictures of the three windows in both
    // editions and languages go there for the documentation.
    void SaveScreenshots() {
        const QString folder = qEnvironmentVariable("RUNEWRIGHT_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("RUNEWRIGHT_SCREENSHOTS names no folder");
        struct Shot {
            Edition edition;
            Language language;
            const char* suffix;
        };
        for (const Shot& shot :
             {Shot{Edition::Cyrillic, kRussian, "rus"}, Shot{Edition::Latin, kRussian, "eng-ru"},
              Shot{Edition::Latin, kEnglish, "eng-en"}}) {
            InfoWindows windows(shot.edition);
            const std::pair<InfoWindow*, const char*> forms[] = {
                {&windows.form3, "form3"}, {&windows.form4, "form4"}, {&windows.form5, "form5"}};
            for (const auto& [window, name] : forms) {
                window->SetLanguage(shot.language);
                window->show();
                QVERIFY(QTest::qWaitForWindowExposed(window));
                const QString path =
                    QStringLiteral("%1/%2-%3.png")
                        .arg(folder, QLatin1String(name), QLatin1String(shot.suffix));
                QVERIFY2(FramedPicture(*window).save(path), qPrintable(path));
                window->hide();
            }
        }
    }
};

RUNEWRIGHT_UI_TEST(InfoWindowsTest)
#include "info_windows_test.moc"
