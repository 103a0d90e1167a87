// The program of one edition; RUNEWRIGHT_EDITION is fixed by the build (0 Cyrillic, 1 Latin).
#include <QApplication>

#include "model/edition.h"
#include "ui/app_look.h"
#include "ui/info_windows.h"
#include "ui/main_window.h"

#ifndef RUNEWRIGHT_EDITION
#error "RUNEWRIGHT_EDITION must be defined by the build"
#endif

namespace {

constexpr rw::Edition kEdition =
    RUNEWRIGHT_EDITION == 1 ? rw::Edition::Latin : rw::Edition::Cyrillic;

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName(kEdition == rw::Edition::Latin
                                       ? QStringLiteral("runewright-eng")
                                       : QStringLiteral("runewright-rus"));
    // Lets the desktop match the window to its .desktop entry and icon.
    application.setDesktopFileName(kEdition == rw::Edition::Latin
                                       ? QStringLiteral("org.runewright.RunewrightEng")
                                       : QStringLiteral("org.runewright.RunewrightRus"));
    rw::ui::ApplyClassicLook(application);
    rw::ui::TForm1 form1(kEdition);
    // Form3, Form4 and Form5, hidden until the Info menu shows them.
    rw::ui::InfoWindows info_windows(kEdition);
    form1.SetInfoWindows(&info_windows.form3, &info_windows.form4, &info_windows.form5);
    form1.show();
    return application.exec();
}
