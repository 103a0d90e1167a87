#pragma once

#include <QDialog>
#include <QKeySequence>
#include <QList>
#include <optional>

#include "edition/key_table.h"
#include "model/edition.h"

class QTableWidget;

namespace rw::ui {

// The keys of a row of the key table as Qt takes them.
QList<QKeySequence> KeySequences(const KeyRow& row);
// "Ctrl+Shift+Z, Ctrl+Y", written the way the menus show their keys.
QString KeysText(const KeyRow& row);

// "Клавиши": every key of the main window beside what it does, one row of the key table a line,
// in the interface language. Not modal: it may stay open beside the main window.
class KeysWindow : public QDialog {
    Q_OBJECT

  public:
    KeysWindow(Edition edition, QWidget* parent = nullptr);
    void SetLanguage(Language language);

    QTableWidget* Table() const { return table_; }

  private:
    Edition edition_;
    std::optional<Language> language_;  // none before the first SetLanguage
    QTableWidget* table_ = nullptr;
};

}  // namespace rw::ui
