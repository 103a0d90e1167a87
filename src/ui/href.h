#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <QUrl>
#include <memory>

class QEnterEvent;
class QMouseEvent;

namespace rw::ui {

class TStatusBar;

// The kinds of link, in their order.
enum class TLinkStyle { lsNone, lsHref, lsMail, lsIcq, lsMsn };

// A label font together with its colour, which a Qt font does not carry.
struct LinkFont {
    QFont font;
    QColor color;
};

// Opens what a link leads to. Tests put in one that records instead of opening.
class LinkOpener {
  public:
    virtual ~LinkOpener() = default;
    // Starts the default browser's command on its own (a front end that reads the browser from
    // the system's registry; this one has no such command and does nothing).
    virtual void StartProgram(const QString& command) = 0;
    // Hands the address to the desktop's handler for it.
    virtual void OpenUrl(const QUrl& url) = 0;
};

// The real one: the desktop services. Failures are silent.
class DesktopLinkOpener : public LinkOpener {
  public:
    void StartProgram(const QString& command) override;
    void OpenUrl(const QUrl& url) override;
};

// The default browser's command, trimmed to its program (TrimBrowserCommand); "unknown" where the
// system keeps no such entry, as every system this front end builds for.
QString LookUpDefaultBrowser();

// A text label that shows a link: one font while the pointer is away, another while it is over
// the label; it can mirror the link into a status bar panel, and a left click opens the link
// (a web address, a mail address or a messenger contact page).
class THref : public QLabel {
    Q_OBJECT

  public:
    static constexpr const char* kUnknownBrowser = "unknown";
    // The messenger's contact page; the link is its "msgto" value.
    static constexpr const char* kMessengerContactPage = "http://wwp.icq.com/scripts/contact.dll";

    explicit THref(QWidget* parent = nullptr);
    ~THref() override;

    const QString& DefaultBrowserPath() const { return default_browser_path_; }
    bool Activate() const { return activate_; }

    TLinkStyle LinkStyle() const { return link_style_; }
    void SetLinkStyle(TLinkStyle style);
    const QString& Link() const { return link_; }
    void SetLink(const QString& link);
    const QString& StatusText() const { return status_text_; }
    void SetStatusText(const QString& text) { status_text_ = text; }

    const LinkFont& FontActive() const { return font_active_; }
    void SetFontActive(const LinkFont& font);
    const LinkFont& FontNormal() const { return font_normal_; }
    void SetFontNormal(const LinkFont& font);

    TStatusBar* StatusBar() const { return status_bar_; }
    void SetStatusBar(TStatusBar* bar) { status_bar_ = bar; }
    int StatusPanelNo() const { return status_panel_no_; }
    void SetStatusPanelNo(int panel) { status_panel_no_ = panel; }

    // The label takes the size of its caption while AutoSize is on.
    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool on);
    void SetCaption(const QString& caption);

    void SetOpener(std::unique_ptr<LinkOpener> opener);

    // What a left click opens for the current style and link: "http://" + link, "mailto:" +
    // link, or the messenger's contact page; empty for lsNone and for an empty link.
    QUrl Target() const;
    // The status panel text for a style when StatusText is empty: its prefix, then the link.
    static QString StatusPrefix(TLinkStyle style);

  signals:
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void ShowFont();
    void FitCaption();
    void OpenTarget();

    QString default_browser_path_;
    bool activate_ = false;
    TLinkStyle link_style_ = TLinkStyle::lsNone;
    QString link_;
    QString status_text_;
    LinkFont font_active_;
    LinkFont font_normal_;
    TStatusBar* status_bar_ = nullptr;
    int status_panel_no_ = 0;
    bool auto_size_ = true;
    std::unique_ptr<LinkOpener> opener_;
};

}  // namespace rw::ui
