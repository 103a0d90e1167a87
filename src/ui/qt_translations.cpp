#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace rw::ui {

QtTranslations::QtTranslations() {
    // qtbase_ru holds the dialog and message box texts; qt_ru is the older catalogue that
    // includes it, so either will do.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    russian_loaded_ = russian_.load(QStringLiteral("qtbase_ru"), folder) ||
                      russian_.load(QStringLiteral("qt_ru"), folder);
}

QtTranslations::~QtTranslations() {
    Use(kEnglish);  // no translator stays installed past its owner
}

void QtTranslations::Use(Language language) {
    const bool want = language == kRussian && russian_loaded_;
    if (want == installed_ || QCoreApplication::instance() == nullptr) return;
    if (want) {
        QCoreApplication::installTranslator(&russian_);
    } else {
        QCoreApplication::removeTranslator(&russian_);
    }
    installed_ = want;
}

}  // namespace rw::ui
