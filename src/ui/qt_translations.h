#pragma once

#include <QTranslator>

#include "model/edition.h"

namespace rw::ui {

// Qt's own texts (file dialog buttons and labels, message box buttons) in the interface
// language: Russian from Debian's Qt translations while the interface is Russian, Qt's built-in
// English otherwise. The translator is installed on the application only while it is in use.
class QtTranslations {
  public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // The interface language. A missing translation file leaves
    // Qt's English texts, as a program without the translations package would show.
    void Use(Language language);
    bool russian_loaded() const { return russian_loaded_; }

  private:
    QTranslator russian_;
    bool russian_loaded_ = false;
    bool installed_ = false;
};

}  // namespace rw::ui
