#pragma once

#include <QProgressDialog>
#include <QString>
#include <memory>

class QWidget;

namespace rw::ui {

// The progress of a long read (a patch of millions of lines takes seconds): a dialog that shows
// itself only past half a second, and whose cancel button stops the read, which then changes
// nothing. It is made on the first report and closed when the command's step is over.
class ReadProgressDialog {
  public:
    explicit ReadProgressDialog(QWidget* parent) : parent_(parent) {}

    // One report: `done` of the read, from 0 to 1. False when the user cancelled.
    bool Report(double done, const QString& title, const QString& cancel);
    void Close() { dialog_.reset(); }

  private:
    QWidget* parent_;
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace rw::ui
