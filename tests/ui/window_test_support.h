#pragma once

#include <QAction>
#include <QByteArray>
#include <QFile>
#include <QMenu>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTextEdit>
#include <QWidget>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "edition/mnemonics.h"
#include "model/font_image.h"
#include "model/phone_layouts.h"
#include "ui/file_dialogs.h"
#include "ui/main_window.h"
#include "ui/qt_conversions.h"

namespace rw::ui::test {

// The test fullflashes are 1 MiB. In them, as in a real S/ME 45 dump, the Cyrillic Normal record of
// upper-case А lies at 742950 (0B5626), 13-byte records: the width, then rows 1..12.
inline constexpr int kImageSize = 1 << 20;
inline constexpr int kRecordA = 742950;
inline constexpr int kRecordB = kRecordA + 13;  // Б
// А drawn in columns 1..5 with width 6, as its 12 bytes are read and written.
inline const QByteArray kGlyphA = QByteArray::fromHex("06384444447C444444000000");

// True when a text field lies inside its window's client area, where the user can see it.
inline bool InView(const QTextEdit* edit) {
    return edit->parentWidget()->rect().contains(edit->geometry());
}

// Answers the window's file dialogs from a queue and records what the window asked and showed.
// A null answer, or none left, cancels the dialog.
class FakeFileDialogs : public FileDialogs {
  public:
    std::deque<QString> open_answers;
    std::deque<QString> save_answers;
    std::vector<FileDialogRequest> open_requests;
    std::vector<FileDialogRequest> save_requests;
    QStringList remembered;  // files opened without the dialog
    QStringList errors;
    QStringList warnings;
    QStringList notices;
    QStringList questions;
    // Answers to questions, true to go on. With none left the window gets its first choice (go
    // on), so the commands tested before questions were asked still run to their end.
    std::deque<bool> question_answers;
    std::vector<std::pair<QString, QString>> question_choices;  // go on, stop
    QStringList two_way_questions;
    QList<QStringList> two_way_choices;  // go on, other, stop
    std::deque<TwoWays> two_way_answers;

    std::optional<QString> Open(const FileDialogRequest& request) override {
        open_requests.push_back(request);
        return Next(open_answers);
    }
    std::optional<QString> Save(const FileDialogRequest& request) override {
        save_requests.push_back(request);
        return Next(save_answers);
    }
    void RememberOpened(const QString& path) override { remembered << path; }
    void ShowError(const QString& message) override { errors << message; }
    void ShowWarning(const QString& message) override { warnings << message; }
    void ShowNotice(const QString&, const QString& message) override { notices << message; }
    bool Ask(const QString& question, const QString& go_on, const QString& stop) override {
        questions << question;
        question_choices.emplace_back(go_on, stop);
        if (question_answers.empty()) return true;
        const bool answer = question_answers.front();
        question_answers.pop_front();
        return answer;
    }

    // Unanswered, a question with two ways on takes the second, which leaves things as they are.
    TwoWays AskTwoWays(const QString& question, const QString& go_on, const QString& other,
                       const QString& stop) override {
        two_way_questions << question;
        two_way_choices << QStringList{go_on, other, stop};
        if (two_way_answers.empty()) return TwoWays::Other;
        const TwoWays answer = two_way_answers.front();
        two_way_answers.pop_front();
        return answer;
    }

  private:
    static std::optional<QString> Next(std::deque<QString>& answers) {
        if (answers.empty()) return std::nullopt;
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isNull()) return std::nullopt;
        return answer;
    }
};

// A shown main window whose dialogs the test answers.
struct Window {
    std::unique_ptr<TForm1> form;
    FakeFileDialogs* dialogs = nullptr;

    explicit Window(Edition edition) : form(std::make_unique<TForm1>(edition)) {
        auto fake = std::make_unique<FakeFileDialogs>();
        dialogs = fake.get();
        form->SetFileDialogs(std::move(fake));
        form->show();
        // Pointer events reach only the active window.
        form->activateWindow();
        active = QTest::qWaitForWindowActive(form.get());
        // The first pointer move only brings the pointer into the window; later moves cross
        // the controls' edges.
        for (int x : {1, 2}) {
            QTest::mouseMove(form->windowHandle(), QPoint(x, form->height() - 2));
            QTest::qWait(1);
        }
    }
    bool active = false;

    template <typename T = QWidget>
    T* Find(const QString& name) const {
        return form->findChild<T*>(name);
    }
    QAction* Action(const QString& name) const { return form->findChild<QAction*>(name); }
    QMenu* Menu(const QString& name) const { return form->findChild<QMenu*>(name); }

    // A press with a mouse button at a point of a control, delivered through the window as the
    // pointer would deliver it, so whatever lies on top of the control receives it.
    void Press(QWidget* control, Qt::MouseButton button = Qt::LeftButton,
               QPoint at = QPoint(-1, -1)) const {
        const QPoint local = at.x() < 0 ? control->rect().center() : at;
        const QPoint in_window = control->mapTo(form.get(), local);
        QTest::mousePress(form->windowHandle(), button, Qt::NoModifier, in_window);
        QTest::mouseRelease(form->windowHandle(), button, Qt::NoModifier, in_window);
    }
    void Hover(QWidget* control, QPoint at = QPoint(-1, -1)) const {
        const QPoint local = at.x() < 0 ? control->rect().center() : at;
        QTest::mouseMove(form->windowHandle(), control->mapTo(form.get(), local));
        QTest::qWait(1);
    }
    // The window as it is painted, in client-area coordinates.
    QImage Client() const { return form->ClientArea()->grab().toImage(); }
};

// An item's or a menu's caption as the window set it, without the Alt+letter mark the menus add.
inline QString Caption(const QAction* item) {
    return QString::fromStdString(WithoutMnemonic(item->text().toStdString()));
}
inline QString Caption(const QMenu* menu) {
    return Caption(menu->menuAction());
}

// The centre of grid cell (row, col), in the grid widget's own coordinates.
inline QPoint CellCentre(int row, int col) {
    return {17 * col + 8, 17 * row + 8};
}

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(bytes) == bytes.size();
}

// A fullflash stand-in: every byte from a fixed pattern, so that any byte a command must not
// touch would show a change.
inline QByteArray PatternImage(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    return bytes;
}

inline QRgb Pixel(const QImage& image, QPoint at) {
    return image.pixel(at) & 0xFFFFFF;
}

constexpr QRgb kWhitePixel = 0xFFFFFF;
constexpr QRgb kBlackPixel = 0x000000;
constexpr QRgb kGreyPixel = 0xD4D0C8;  // (212, 208, 200)

// The layout of the S/ME 45 Normal font, where the window's dump tests keep their font.
inline const FontLayout& CyrillicNormal() {
    static const FontLayout layout =
        LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    return layout;
}

// Every glyph of the S/ME 45 Normal font drawn and unlike the others, so that the dump looks like
// that phone's: glyph k is {6, k, 0x80, 0, ...}.
inline FontImage DistinctFont() {
    FontImage font;
    for (int block = 0; block < 4; ++block) {
        for (int slot = 0; slot < 34; ++slot) {
            font.narrow[block][slot] = {6, static_cast<uint8_t>(block * 34 + slot), 0x80};
        }
    }
    return font;
}

}  // namespace rw::ui::test
