// The link label: its fonts and colours per style, the status panel, and which clicks open what.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <memory>

#include "ui/app_look.h"
#include "ui/href.h"
#include "ui/status_bar.h"
#include "ui_test_registry.h"

using namespace rw::ui;

namespace {

// What the label asked the system to open.
struct OpenLog {
    QStringList programs;
    QList<QUrl> urls;
};

class RecordingOpener : public LinkOpener {
  public:
    explicit RecordingOpener(std::shared_ptr<OpenLog> log) : log_(std::move(log)) {}
    void StartProgram(const QString& command) override { log_->programs << command; }
    void OpenUrl(const QUrl& url) override { log_->urls << url; }

  private:
    std::shared_ptr<OpenLog> log_;
};

// A shown window with a link label over a two-panel status bar.
struct LinkWindow {
    QWidget window;
    THref* href = nullptr;
    TStatusBar* bar = nullptr;
    std::shared_ptr<OpenLog> log = std::make_shared<OpenLog>();
    bool active = false;

    LinkWindow() {
        window.resize(240, 120);
        href = new THref(&window);
        href->setObjectName(QStringLiteral("Href1"));
        href->move(20, 20);
        href->SetCaption(QStringLiteral("the link label"));
        href->SetOpener(std::make_unique<RecordingOpener>(log));
        bar = new TStatusBar(2, &window);
        bar->setGeometry(0, 96, 240, 24);
        window.show();
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
        // The first move only brings the pointer into the window.
        QTest::mouseMove(window.windowHandle(), QPoint(200, 80));
        QTest::qWait(1);
    }

    QPoint Centre() const { return href->geometry().center(); }
    void Enter() {
        QTest::mouseMove(window.windowHandle(), Centre());
        QTest::qWait(1);
    }
    void Leave() {
        QTest::mouseMove(window.windowHandle(), QPoint(200, 80));
        QTest::qWait(1);
    }
    void Click(Qt::MouseButton button) {
        QTest::mousePress(window.windowHandle(), button, Qt::NoModifier, Centre());
        QTest::mouseRelease(window.windowHandle(), button, Qt::NoModifier, Centre());
    }
};

QColor TextColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

}  // namespace

Q_DECLARE_METATYPE(TLinkStyle)

class HrefTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ApplyClassicLook(*qApp); }

    void StartsInactiveNavyWithAnArrow() {
        THref href;
        QVERIFY(!href.Activate());
        QCOMPARE(href.LinkStyle(), TLinkStyle::lsNone);
        QVERIFY(href.Link().isEmpty());
        QVERIFY(href.StatusText().isEmpty());
        QVERIFY(href.AutoSize());
        QCOMPARE(href.StatusPanelNo(), 0);
        QVERIFY(href.StatusBar() == nullptr);
        QCOMPARE(href.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(href.FontActive().color, QColor(0, 0, 128));
        QCOMPARE(href.FontNormal().color, QColor(0, 0, 128));
        QVERIFY(href.FontActive().font.underline());
        QVERIFY(!href.FontNormal().font.underline());
        QCOMPARE(TextColour(&href), QColor(0, 0, 128));
        QCOMPARE(href.DefaultBrowserPath(), QStringLiteral("unknown"));
        // AutoSize: the label takes the size of its caption.
        href.SetCaption(QStringLiteral("a rather long caption for a link"));
        QCOMPARE(href.size(), href.sizeHint());
    }

    void StyleGivesColourAndCursor_data() {
        QTest::addColumn<TLinkStyle>("style");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("cursor");
        QTest::newRow("href") << TLinkStyle::lsHref << QColor(0, 0, 0)
                              << int(Qt::PointingHandCursor);
        QTest::newRow("mail") << TLinkStyle::lsMail << QColor(0, 0, 255)
                              << int(Qt::PointingHandCursor);
        QTest::newRow("icq") << TLinkStyle::lsIcq << QColor(128, 0, 0)
                             << int(Qt::PointingHandCursor);
        QTest::newRow("msn") << TLinkStyle::lsMsn << QColor(0, 128, 128)
                             << int(Qt::PointingHandCursor);
    }
    void StyleGivesColourAndCursor() {
        QFETCH(TLinkStyle, style);
        QFETCH(QColor, colour);
        QFETCH(int, cursor);
        THref href;
        href.SetLinkStyle(style);
        QCOMPARE(href.FontActive().color, colour);
        QCOMPARE(href.FontNormal().color, colour);
        QCOMPARE(int(href.cursor().shape()), cursor);
        QCOMPARE(TextColour(&href), colour);
        // Only the colour changes.
        QVERIFY(href.FontActive().font.underline());
        QVERIFY(!href.FontNormal().font.underline());
        // Back to lsNone: navy and the default cursor.
        href.SetLinkStyle(TLinkStyle::lsNone);
        QCOMPARE(href.FontNormal().color, QColor(0, 0, 128));
        QCOMPARE(href.cursor().shape(), Qt::ArrowCursor);
    }

    void SameStyleAgainKeepsColoursGivenLater() {
        THref href;
        href.SetLinkStyle(TLinkStyle::lsHref);
        QFont plain = href.font();
        href.SetFontNormal({plain, QColor(0, 0, 255)});
        href.SetLinkStyle(TLinkStyle::lsHref);
        QCOMPARE(href.FontNormal().color, QColor(0, 0, 255));
        QCOMPARE(TextColour(&href), QColor(0, 0, 255));
    }

    void HoverSwapsTheFontAndFillsTheStatusPanel() {
        LinkWindow w;
        QVERIFY(w.active);
        w.href->SetLinkStyle(TLinkStyle::lsMsn);
        w.href->SetLink(QStringLiteral("someone@example.org"));
        w.href->SetStatusBar(w.bar);
        w.href->SetStatusPanelNo(1);
        w.Enter();
        QVERIFY(w.href->Activate());
        QVERIFY(w.href->font().underline());
        QCOMPARE(w.bar->PanelText(1), QStringLiteral("mailto:someone@example.org"));
        QCOMPARE(w.bar->PanelText(0), QString());
        w.Leave();
        QVERIFY(!w.href->Activate());
        QVERIFY(!w.href->font().underline());
        QCOMPARE(w.bar->PanelText(1), QString());

        // A status text of its own wins over the derived one.
        w.href->SetStatusText(QStringLiteral("Write to me"));
        w.Enter();
        QCOMPARE(w.bar->PanelText(1), QStringLiteral("Write to me"));
        w.Leave();

        // A panel the bar lacks is left alone; nothing breaks.
        w.href->SetStatusPanelNo(7);
        w.Enter();
        QVERIFY(w.href->Activate());
        QCOMPARE(w.bar->PanelText(0), QString());
        QCOMPARE(w.bar->PanelText(1), QString());
    }

    void StatusPrefixesFollowTheStyle() {
        QCOMPARE(THref::StatusPrefix(TLinkStyle::lsNone), QStringLiteral("noactive:"));
        QCOMPARE(THref::StatusPrefix(TLinkStyle::lsHref), QStringLiteral("http://"));
        QCOMPARE(THref::StatusPrefix(TLinkStyle::lsMail), QStringLiteral("mailto:"));
        QCOMPARE(THref::StatusPrefix(TLinkStyle::lsIcq), QStringLiteral("icqto:"));
        QCOMPARE(THref::StatusPrefix(TLinkStyle::lsMsn), QStringLiteral("mailto:"));
    }

    void OnlyALeftClickOnAnActiveLinkOpens() {
        LinkWindow w;
        QVERIFY(w.active);
        w.href->SetLinkStyle(TLinkStyle::lsHref);
        w.href->SetLink(QStringLiteral("runewright.example/"));
        int mouse_ups = 0;
        QObject::connect(w.href, &THref::OnMouseUp, [&] { ++mouse_ups; });
        w.Enter();
        QVERIFY(w.href->Activate());

        w.Click(Qt::RightButton);
        w.Click(Qt::MiddleButton);
        QVERIFY(w.log->urls.isEmpty());
        // Every release is still reported.
        QCOMPARE(mouse_ups, 2);

        w.Click(Qt::LeftButton);
        QCOMPARE(w.log->urls, QList<QUrl>{QUrl(QStringLiteral("http://runewright.example/"))});
        QCOMPARE(mouse_ups, 3);
        // No browser command is known, so none is started before the address is opened.
        if (w.href->DefaultBrowserPath() == QLatin1String("unknown")) {
            QVERIFY(w.log->programs.isEmpty());
        }
    }

    void EmptyLinkAndLsNoneOpenNothing() {
        LinkWindow w;
        QVERIFY(w.active);
        w.href->SetLinkStyle(TLinkStyle::lsMail);
        w.Enter();
        w.Click(Qt::LeftButton);
        QVERIFY(w.log->urls.isEmpty());

        w.href->SetLink(QStringLiteral("someone@example.org"));
        w.href->SetLinkStyle(TLinkStyle::lsNone);
        w.Click(Qt::LeftButton);
        QVERIFY(w.log->urls.isEmpty());
        QVERIFY(w.log->programs.isEmpty());
        QVERIFY(w.href->Target().isEmpty());
    }

    void MailAndMessengerTargets() {
        LinkWindow w;
        QVERIFY(w.active);
        w.href->SetLink(QStringLiteral("someone@example.org"));
        w.href->SetLinkStyle(TLinkStyle::lsMail);
        w.Enter();
        w.Click(Qt::LeftButton);
        w.href->SetLinkStyle(TLinkStyle::lsMsn);
        w.Click(Qt::LeftButton);
        QCOMPARE(w.log->urls.size(), 2);
        QCOMPARE(w.log->urls[0].toString(), QStringLiteral("mailto:someone@example.org"));
        QCOMPARE(w.log->urls[1].toString(), QStringLiteral("mailto:someone@example.org"));

        w.href->SetLinkStyle(TLinkStyle::lsIcq);
        w.href->SetLink(QStringLiteral("123456"));
        w.Click(Qt::LeftButton);
        QCOMPARE(w.log->urls.size(), 3);
        const QUrl page = w.log->urls[2];
        QCOMPARE(page.adjusted(QUrl::RemoveQuery).toString(),
                 QLatin1String(THref::kMessengerContactPage));
        QCOMPARE(QUrlQuery(page).queryItemValue(QStringLiteral("msgto")), QStringLiteral("123456"));
    }

    void MessengerNumberCannotAddToTheQuery() {
        THref href;
        href.SetLinkStyle(TLinkStyle::lsIcq);
        href.SetLink(QStringLiteral("12&msgto=666#x y+%"));
        const QUrlQuery query(href.Target());
        QCOMPARE(query.queryItems(QUrl::FullyDecoded).size(), 1);
        QCOMPARE(query.queryItemValue(QStringLiteral("msgto"), QUrl::FullyDecoded),
                 QStringLiteral("12&msgto=666#x y+%"));
        QVERIFY(href.Target().fragment().isEmpty());
    }

    void AClickWithoutThePointerOverTheLabelOpensNothing() {
        LinkWindow w;
        QVERIFY(w.active);
        w.href->SetLinkStyle(TLinkStyle::lsHref);
        w.href->SetLink(QStringLiteral("runewright.example/"));
        QVERIFY(!w.href->Activate());
        // A release delivered straight to the label, as after a press that began elsewhere.
        const QPointF at(2, 2);
        QMouseEvent release(QEvent::MouseButtonRelease, at, w.href->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.href, &release);
        QVERIFY(w.log->urls.isEmpty());
    }
};

RUNEWRIGHT_UI_TEST(HrefTest)
#include "href_test.moc"
