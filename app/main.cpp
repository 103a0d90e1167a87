// The program of one edition; RUNEWRIGHT_EDITION is fixed by the build (0 Cyrillic, 1 Latin).
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "command_line.h"
#include "edition/terminal_text.h"
#include "model/edition.h"
#include "ui/app_look.h"
#include "ui/info_windows.h"
#include "ui/main_window.h"
#include "ui/settings_store.h"
#include "version.h"

#ifndef RUNEWRIGHT_EDITION
#error "RUNEWRIGHT_EDITION must be defined by the build"
#endif

namespace {

constexpr rw::Edition kEdition =
    RUNEWRIGHT_EDITION == 1 ? rw::Edition::Latin : rw::Edition::Cyrillic;
constexpr const char* kProgram =
    kEdition == rw::Edition::Latin ? "runewright-eng" : "runewright-rus";

constexpr int kExitUsage = 2;

// The window's messages name the file as the file dialogs give it: with its whole path.
std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

// Prints `text` to `stream`; a failed write (a closed pipe, a full disk) is a failure.
int Print(std::FILE* stream, const std::string& text, int code) {
    const bool written = std::fputs(text.c_str(), stream) >= 0 && std::fflush(stream) == 0;
    return written ? code : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Help, version and mistakes are answered before Qt starts, so they need no display.
    const rw::app::CommandLine line =
        rw::app::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    const std::string usage = rw::app::UsageText(kProgram, kEdition == rw::Edition::Latin);
    switch (line.action) {
        case rw::app::CommandLine::Action::Help:
            return Print(stdout, usage, 0);
        case rw::app::CommandLine::Action::Version:
            return Print(stdout, std::string(kProgram) + " " + rw::kVersion + "\n", 0);
        case rw::app::CommandLine::Action::UsageError:
            // The words come from the command line: no control byte of theirs reaches the terminal.
            Print(stderr,
                  std::string(kProgram) + ": " + rw::EscapeControlBytes(line.error) + "\n" + usage,
                  kExitUsage);
            return kExitUsage;
        case rw::app::CommandLine::Action::OpenWindow:
            break;
    }

    // Qt reads its own options (-reverse, -stylesheet, ...) only before "--".
    int qt_words = rw::app::WordsForQt(argc, argv);
    QApplication application(qt_words, argv);
    application.setApplicationName(QString::fromLatin1(kProgram));
    // Lets the desktop match the window to its .desktop entry and icon.
    application.setDesktopFileName(kEdition == rw::Edition::Latin
                                       ? QStringLiteral("org.runewright.RunewrightEng")
                                       : QStringLiteral("org.runewright.RunewrightRus"));
    rw::ui::ApplyClassicLook(application);
    rw::ui::TForm1 form1(kEdition);
    form1.UseSettings(std::make_unique<rw::ui::SettingsStore>(kEdition));
    // Form3, Form4 and Form5, hidden until the Info menu shows them.
    rw::ui::InfoWindows info_windows(kEdition);
    form1.SetInfoWindows(&info_windows.form3, &info_windows.form4, &info_windows.form5);
    form1.show();
    // Once the window is on screen, so that an error box or a warning stands over it.
    if (!line.file.empty()) {
        const std::string file = AbsolutePath(line.file);
        QTimer::singleShot(0, &form1, [&form1, file] { form1.OpenGivenFile(file); });
    }
    return application.exec();
}
