#include "ui/href.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QUrlQuery>

#include "ui/status_bar.h"

namespace rw::ui {
namespace {

const QColor kNavy(0, 0, 128);

QColor StyleColor(TLinkStyle style) {
    switch (style) {
        case TLinkStyle::lsNone:
            return kNavy;
        case TLinkStyle::lsHref:
            return QColor(0, 0, 0);
        case TLinkStyle::lsMail:
            return QColor(0, 0, 255);
        case TLinkStyle::lsIcq:
            return QColor(128, 0, 0);
        case TLinkStyle::lsMsn:
            return QColor(0, 128, 128);
    }
    return kNavy;
}

}  // namespace

// Starting a program by its registry command is the Windows front end's; this one has none.
void DesktopLinkOpener::StartProgram(const QString&) {}

void DesktopLinkOpener::OpenUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

QString LookUpDefaultBrowser() {
    return QLatin1String(THref::kUnknownBrowser);
}

THref::THref(QWidget* parent) : QLabel(parent), opener_(std::make_unique<DesktopLinkOpener>()) {
    setTextFormat(Qt::PlainText);
    font_active_ = {font(), kNavy};
    font_active_.font.setUnderline(true);
    font_normal_ = {font(), kNavy};
    font_normal_.font.setUnderline(false);
    // lsNone is the start value: its colour is not applied, the fonts keep navy.
    link_style_ = TLinkStyle::lsNone;
    default_browser_path_ = LookUpDefaultBrowser();
    setCursor(Qt::ArrowCursor);
    ShowFont();
}

THref::~THref() = default;

void THref::SetLinkStyle(TLinkStyle style) {
    // Assigning the same style again keeps colours given after it.
    if (style == link_style_) return;
    link_style_ = style;
    setCursor(style == TLinkStyle::lsNone ? Qt::ArrowCursor : Qt::PointingHandCursor);
    font_active_.color = StyleColor(style);
    font_normal_.color = StyleColor(style);
    ShowFont();
}

void THref::SetLink(const QString& link) {
    if (link == link_) return;
    link_ = link;
    update();
}

void THref::SetFontActive(const LinkFont& font) {
    font_active_ = font;
    ShowFont();
}

void THref::SetFontNormal(const LinkFont& font) {
    font_normal_ = font;
    ShowFont();
}

void THref::SetAutoSize(bool on) {
    auto_size_ = on;
    FitCaption();
}

void THref::SetCaption(const QString& caption) {
    setText(caption);
    FitCaption();
}

void THref::SetOpener(std::unique_ptr<LinkOpener> opener) {
    opener_ = opener ? std::move(opener) : std::make_unique<DesktopLinkOpener>();
}

QString THref::StatusPrefix(TLinkStyle style) {
    switch (style) {
        case TLinkStyle::lsNone:
            return QStringLiteral("noactive:");
        case TLinkStyle::lsHref:
            return QStringLiteral("http://");
        case TLinkStyle::lsMail:
        case TLinkStyle::lsMsn:
            return QStringLiteral("mailto:");
        case TLinkStyle::lsIcq:
            return QStringLiteral("icqto:");
    }
    return {};
}

QUrl THref::Target() const {
    if (link_.isEmpty()) return {};
    switch (link_style_) {
        case TLinkStyle::lsNone:
            return {};
        case TLinkStyle::lsHref:
            return QUrl(QStringLiteral("http://") + link_, QUrl::TolerantMode);
        case TLinkStyle::lsMail:
        case TLinkStyle::lsMsn:
            return QUrl(QStringLiteral("mailto:") + link_, QUrl::TolerantMode);
        case TLinkStyle::lsIcq: {
            // The number goes in as one query value, so nothing in it can add to the query.
            QUrl page{QString::fromLatin1(kMessengerContactPage)};
            QUrlQuery query;
            query.addQueryItem(QStringLiteral("msgto"),
                               QString::fromLatin1(QUrl::toPercentEncoding(link_)));
            page.setQuery(query);
            return page;
        }
    }
    return {};
}

void THref::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    activate_ = true;
    ShowFont();
    if (status_bar_ != nullptr) {
        status_bar_->SetPanelText(status_panel_no_, status_text_.isEmpty()
                                                        ? StatusPrefix(link_style_) + link_
                                                        : status_text_);
    }
}

void THref::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    activate_ = false;
    ShowFont();
    if (status_bar_ != nullptr) status_bar_->SetPanelText(status_panel_no_, QString());
}

void THref::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    const Qt::MouseButton button = event->button();
    QPointer<THref> self(this);
    emit OnMouseUp(button, event->modifiers(), event->position().toPoint());
    if (self.isNull()) return;
    repaint();
    QCoreApplication::processEvents();
    // The pending events may have closed the window and destroyed the label.
    if (self.isNull()) return;
    if (!activate_ || link_.isEmpty() || button != Qt::LeftButton) return;
    OpenTarget();
}

void THref::OpenTarget() {
    const QUrl target = Target();
    if (target.isEmpty()) return;  // lsNone
    if (link_style_ == TLinkStyle::lsHref &&
        default_browser_path_ != QLatin1String(kUnknownBrowser)) {
        opener_->StartProgram(default_browser_path_);
    }
    opener_->OpenUrl(target);
}

// The font of the moment: FontActive while the pointer is over the label, FontNormal otherwise.
void THref::ShowFont() {
    const LinkFont& current = activate_ ? font_active_ : font_normal_;
    setFont(current.font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, current.color);
    setPalette(colours);
    FitCaption();
    update();
}

void THref::FitCaption() {
    if (auto_size_) adjustSize();
}

}  // namespace rw::ui
