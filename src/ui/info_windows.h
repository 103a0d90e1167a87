#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>

#include "model/edition.h"

class QLabel;
class QShowEvent;
class QTextEdit;

namespace rw::ui {

class THref;

// The frame of the help, history and About windows: a tool window with only a close button,
// centred on the screen whenever it is shown, holding the Russian text in RichEdit1 and, in the
// Latin edition, the English one in RichEdit2. They are shown modally and only hidden when
// closed, so which text is in view survives closing and reopening.
class InfoWindow : public QDialog {
    Q_OBJECT

  public:
    // The left edge that puts a text field out of sight.
    static constexpr int kHiddenLeft = -1000;

    Edition edition() const { return edition_; }
    QTextEdit* RichEdit1() const { return rich_edit1_; }
    QTextEdit* RichEdit2() const { return rich_edit2_; }  // null in the Cyrillic edition

    // The language switch: the text field of the chosen language to left 0, the other to
    // left -1000, and the texts that follow the language.
    virtual void SetLanguage(Language language);

  protected:
    InfoWindow(Edition edition, const char* name, QSize client, QWidget* parent);

    // A read-only orange rich text field with a vertical scroll bar.
    QTextEdit* MakeRichEdit(const char* name, QRect rect, const QString& html);
    void SetTextFields(QTextEdit* russian, QTextEdit* english);

    void showEvent(QShowEvent* event) override;

  private:
    Edition edition_;
    QTextEdit* rich_edit1_ = nullptr;
    QTextEdit* rich_edit2_ = nullptr;
};

// The help window "Инструкция".
class TForm3 : public InfoWindow {
    Q_OBJECT

  public:
    explicit TForm3(Edition edition, QWidget* parent = nullptr);
    void SetLanguage(Language language) override;
};

// The history window "История".
class TForm4 : public InfoWindow {
    Q_OBJECT

  public:
    explicit TForm4(Edition edition, QWidget* parent = nullptr);
    void SetLanguage(Language language) override;
};

// The About window: icon, title line, description, acknowledgements and the project's link.
class TForm5 : public InfoWindow {
    Q_OBJECT

  public:
    explicit TForm5(Edition edition, QWidget* parent = nullptr);
    void SetLanguage(Language language) override;

    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    THref* Href1() const { return href1_; }

  private:
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    THref* href1_ = nullptr;
};

// The three windows of the Info menu, created in this order right after the main window.
struct InfoWindows {
    explicit InfoWindows(Edition edition);
    TForm3 form3;
    TForm4 form4;
    TForm5 form5;
};

}  // namespace rw::ui
