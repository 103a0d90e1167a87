#include "ui/keys_window.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "edition/texts.h"
#include "ui/qt_conversions.h"

namespace rw::ui {
namespace {

enum Column { kKeysColumn, kActionColumn, kColumns };

QTableWidgetItem* ReadOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

QList<QKeySequence> KeySequences(const KeyRow& row) {
    QList<QKeySequence> keys;
    for (std::string_view key : row.keys) {
        if (!key.empty()) keys << QKeySequence(Q(key), QKeySequence::PortableText);
    }
    return keys;
}

QString KeysText(const KeyRow& row) {
    QStringList keys;
    for (const QKeySequence& key : KeySequences(row))
        keys << key.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(", "));
}

KeysWindow::KeysWindow(Edition edition, QWidget* parent) : QDialog(parent), edition_(edition) {
    setObjectName(QStringLiteral("KeysWindow"));
    table_ = new QTableWidget(static_cast<int>(KeyRows(edition).size()), kColumns, this);
    table_->setObjectName(QStringLiteral("KeysTable"));
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    SetLanguage(kRussian);
}

void KeysWindow::SetLanguage(Language language) {
    if (language == language_) return;
    language_ = language;
    auto text = [&](UiText id) { return Q(Text(id, language, edition_)); };
    setWindowTitle(text(UiText::MenuKeys));
    table_->setHorizontalHeaderLabels({text(UiText::MenuKeys), text(UiText::KeysActionColumn)});
    // The names of the keys follow the language too ("Alt+Вправо"), as Qt's translation gives them.
    int row = 0;
    for (const KeyRow& key_row : KeyRows(edition_)) {
        table_->setItem(row, kKeysColumn, ReadOnlyItem(KeysText(key_row)));
        table_->setItem(row++, kActionColumn, ReadOnlyItem(text(key_row.text)));
    }
    // Every row and the longest text in sight without scrolling.
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    int width = 2 * table_->frameWidth();
    for (int column = 0; column < kColumns; ++column) width += table_->columnWidth(column);
    const int height = table_->verticalHeader()->length() + table_->horizontalHeader()->height() +
                       2 * table_->frameWidth();
    table_->setMinimumSize(width, height);
    adjustSize();
}

}  // namespace rw::ui
