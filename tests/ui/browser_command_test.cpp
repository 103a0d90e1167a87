// Trimming the default browser's registry command down to the program to start.
#include <QObject>
#include <QString>
#include <QTest>
#include <string_view>

#include "ui/browser_command.h"
#include "ui_test_registry.h"

namespace {

QString Trimmed(std::string_view command) {
    return QString::fromStdString(rw::TrimBrowserCommand(command));
}

class BrowserCommandTest : public QObject {
    Q_OBJECT

  private slots:
    void QuotedProgramKeepsThePathWithBothQuotes() {
        QCOMPARE(Trimmed("\"C:\\Program Files\\Web\\web.exe\" -nohome \"%1\""),
                 QString::fromUtf8("\"C:\\Program Files\\Web\\web.exe\""));
        // A quoted program with nothing after it is already whole.
        QCOMPARE(Trimmed("\"C:\\web.exe\""), QString::fromUtf8("\"C:\\web.exe\""));
    }

    void UnquotedProgramKeepsTheTextBeforeTheFirstQuote() {
        // The blank before the quoted argument stays.
        QCOMPARE(Trimmed("C:\\WEB\\WEB.EXE \"%1\" -new"), QString::fromUtf8("C:\\WEB\\WEB.EXE "));
        QCOMPARE(Trimmed("web.exe -url \"%1\""), QString::fromUtf8("web.exe -url "));
    }

    void CommandWithoutQuotesStaysWhole() {
        QCOMPARE(Trimmed("C:\\WEB\\WEB.EXE -nohome %1"),
                 QString::fromUtf8("C:\\WEB\\WEB.EXE -nohome %1"));
        QCOMPARE(Trimmed(""), QString::fromUtf8(""));
    }

    void UnclosedLeadingQuoteKeepsTheCommandWhole() {
        QCOMPARE(Trimmed("\"C:\\Web\\web.exe -nohome"),
                 QString::fromUtf8("\"C:\\Web\\web.exe -nohome"));
        QCOMPARE(Trimmed("\""), QString::fromUtf8("\""));
    }

    void NonAsciiPathsAreCutOnlyAtQuotes() {
        QCOMPARE(Trimmed("\"C:\\Программы\\web.exe\" \"%1\""),
                 QString::fromUtf8("\"C:\\Программы\\web.exe\""));
    }
};

}  // namespace

RUNEWRIGHT_UI_TEST(BrowserCommandTest)
#include "browser_command_test.moc"
