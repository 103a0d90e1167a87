#include "ui/info_windows.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QTextEdit>

#include "edition/info_texts.h"
#include "edition/texts.h"
#include "ui/href.h"
#include "ui/pictures.h"
#include "ui/qt_conversions.h"

namespace rw::ui {
namespace {

const QColor kOrange(252, 155, 37);
const QColor kLinkBlue(0, 0, 255);

QString Paragraph(const std::string& text) {
    return QStringLiteral("<p>") + Q(text).toHtmlEscaped() + QStringLiteral("</p>");
}

QString HelpHtml(Edition edition, Language language) {
    QString html;
    for (const std::string& paragraph : HelpParagraphs(edition, language))
        html += Paragraph(paragraph);
    return html;
}

// Each version: its heading line, then one line per change, and a blank line before the next.
QString HistoryHtml(Edition edition, Language language) {
    QString html;
    for (const VersionEntry& entry : VersionHistory(edition, language)) {
        html += QStringLiteral("<p><b>") + Q(VersionHeading(entry.version)).toHtmlEscaped() +
                QStringLiteral("</b>");
        for (const std::string& change : entry.changes) {
            html += QStringLiteral("<br>") + Q(change).toHtmlEscaped();
        }
        html += QStringLiteral("</p>");
    }
    return html;
}

QString AcknowledgementsHtml(Edition edition, Language language) {
    QString html;
    for (const std::string& paragraph : Acknowledgements(edition, language)) {
        html += Paragraph(paragraph);
    }
    return html;
}

QString Caption(UiText id, Edition edition, Language language) {
    return QString::fromUtf8(Text(id, language, edition));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The common frame

InfoWindow::InfoWindow(Edition edition, const char* name, QSize client, QWidget* parent)
    : QDialog(parent), edition_(edition) {
    setObjectName(QLatin1String(name));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(client);
}

QTextEdit* InfoWindow::MakeRichEdit(const char* name, QRect rect, const QString& html) {
    auto* edit = new QTextEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(rect);
    edit->setReadOnly(true);
    edit->setAcceptRichText(true);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setLineWrapMode(QTextEdit::WidgetWidth);
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, kOrange);
    colours.setColor(QPalette::Text, Qt::black);
    edit->setPalette(colours);
    edit->setHtml(html);
    return edit;
}

void InfoWindow::SetTextFields(QTextEdit* russian, QTextEdit* english) {
    rich_edit1_ = russian;
    rich_edit2_ = english;
}

void InfoWindow::SetLanguage(Language language) {
    if (rich_edit2_ == nullptr) return;  // the Cyrillic edition has the Russian text only
    const bool english = language == kEnglish;
    QTextEdit* shown = english ? rich_edit2_ : rich_edit1_;
    QTextEdit* hidden = english ? rich_edit1_ : rich_edit2_;
    shown->move(0, shown->y());
    hidden->move(kHiddenLeft, hidden->y());
}

// Centred on the screen every time it is shown, as the frame is known only then.
void InfoWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

// ---------------------------------------------------------------------------------------------
// Help

TForm3::TForm3(Edition edition, QWidget* parent)
    : InfoWindow(edition, "Form3", QSize(305, 321), parent) {
    setWindowTitle(Caption(UiText::Form3Caption, edition, kRussian));
    QTextEdit* russian =
        MakeRichEdit("RichEdit1", QRect(0, 0, 305, 321), HelpHtml(edition, kRussian));
    QTextEdit* english = nullptr;
    if (edition == Edition::Latin) {
        english = MakeRichEdit("RichEdit2", QRect(312, 0, 305, 321), HelpHtml(edition, kEnglish));
    }
    SetTextFields(russian, english);
}

void TForm3::SetLanguage(Language language) {
    setWindowTitle(Caption(UiText::Form3Caption, edition(), language));
    InfoWindow::SetLanguage(language);
}

// ---------------------------------------------------------------------------------------------
// History

TForm4::TForm4(Edition edition, QWidget* parent)
    : InfoWindow(edition, "Form4", edition == Edition::Latin ? QSize(273, 286) : QSize(303, 286),
                 parent) {
    setWindowTitle(Caption(UiText::Form4Caption, edition, kRussian));
    const QSize field = edition == Edition::Latin ? QSize(273, 286) : QSize(303, 286);
    QTextEdit* russian =
        MakeRichEdit("RichEdit1", QRect(QPoint(0, 0), field), HistoryHtml(edition, kRussian));
    QTextEdit* english = nullptr;
    if (edition == Edition::Latin) {
        english =
            MakeRichEdit("RichEdit2", QRect(QPoint(288, 0), field), HistoryHtml(edition, kEnglish));
    }
    SetTextFields(russian, english);
}

void TForm4::SetLanguage(Language language) {
    setWindowTitle(Caption(UiText::Form4Caption, edition(), language));
    InfoWindow::SetLanguage(language);
}

// ---------------------------------------------------------------------------------------------
// About

TForm5::TForm5(Edition edition, QWidget* parent)
    : InfoWindow(edition, "Form5", QSize(329, 384), parent) {
    setWindowTitle(QStringLiteral("About"));

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(8, 8, 33, 33);
    image1->setPixmap(QPixmap::fromImage(WindowIconImage(32)));

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(48, 6, 273, 41);
    label1_->setTextFormat(Qt::PlainText);
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setWordWrap(true);
    QFont title(QStringLiteral("Arial"));
    title.setStyleHint(QFont::SansSerif);
    title.setPixelSize(17);
    title.setBold(true);
    label1_->setFont(title);
    label1_->setText(Q(AboutTitle(edition)));

    label2_ = new QLabel(this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setGeometry(8, 48, 313, 41);
    label2_->setTextFormat(Qt::PlainText);
    label2_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label2_->setWordWrap(true);
    label2_->setText(Caption(UiText::Form5Label2, edition, kRussian));

    QTextEdit* russian =
        MakeRichEdit("RichEdit1", QRect(0, 96, 329, 249), AcknowledgementsHtml(edition, kRussian));
    QTextEdit* english = nullptr;
    if (edition == Edition::Latin) {
        english = MakeRichEdit("RichEdit2", QRect(336, 96, 329, 249),
                               AcknowledgementsHtml(edition, kEnglish));
    }
    SetTextFields(russian, english);

    // The window definition gives the style before the fonts, so the fonts keep their blue.
    href1_ = new THref(this);
    href1_->setObjectName(QStringLiteral("Href1"));
    href1_->SetAutoSize(false);
    href1_->setGeometry(216, 368, 105, 13);
    href1_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    href1_->SetLinkStyle(TLinkStyle::lsHref);
    href1_->setCursor(Qt::PointingHandCursor);
    const QFont base = href1_->font();
    QFont underlined = base;
    underlined.setUnderline(true);
    href1_->SetFontActive({underlined, kLinkBlue});
    href1_->SetFontNormal({base, kLinkBlue});
    href1_->SetStatusPanelNo(0);
    href1_->SetLink(Q(std::string(ProjectPageLink())));
    href1_->SetCaption(Q(std::string(ProjectPageCaption())));
}

void TForm5::SetLanguage(Language language) {
    label2_->setText(Caption(UiText::Form5Label2, edition(), language));
    InfoWindow::SetLanguage(language);
}

// ---------------------------------------------------------------------------------------------

InfoWindows::InfoWindows(Edition edition) : form3(edition), form4(edition), form5(edition) {}

}  // namespace rw::ui
