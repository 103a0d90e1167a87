// Trimming the default browser's registry command down to the program to start.
#include <gtest/gtest.h>

#include "edition/browser_command.h"

namespace rw {
namespace {

TEST(BrowserCommand, QuotedProgramKeepsThePathWithBothQuotes) {
    EXPECT_EQ(TrimBrowserCommand(R"("C:\Program Files\Web\web.exe" -nohome "%1")"),
              R"("C:\Program Files\Web\web.exe")");
    // A quoted program with nothing after it is already whole.
    EXPECT_EQ(TrimBrowserCommand(R"("C:\web.exe")"), R"("C:\web.exe")");
}

TEST(BrowserCommand, UnquotedProgramKeepsTheTextBeforeTheFirstQuote) {
    // The blank before the quoted argument stays.
    EXPECT_EQ(TrimBrowserCommand(R"(C:\WEB\WEB.EXE "%1" -new)"), R"(C:\WEB\WEB.EXE )");
    EXPECT_EQ(TrimBrowserCommand(R"(web.exe -url "%1")"), "web.exe -url ");
}

TEST(BrowserCommand, CommandWithoutQuotesStaysWhole) {
    EXPECT_EQ(TrimBrowserCommand(R"(C:\WEB\WEB.EXE -nohome %1)"), R"(C:\WEB\WEB.EXE -nohome %1)");
    EXPECT_EQ(TrimBrowserCommand(""), "");
}

TEST(BrowserCommand, UnclosedLeadingQuoteKeepsTheCommandWhole) {
    EXPECT_EQ(TrimBrowserCommand(R"("C:\Web\web.exe -nohome)"), R"("C:\Web\web.exe -nohome)");
    EXPECT_EQ(TrimBrowserCommand("\""), "\"");
}

TEST(BrowserCommand, NonAsciiPathsAreCutOnlyAtQuotes) {
    EXPECT_EQ(TrimBrowserCommand("\"C:\\Программы\\web.exe\" \"%1\""),
              "\"C:\\Программы\\web.exe\"");
}

}  // namespace
}  // namespace rw
