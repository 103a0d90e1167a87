#include "ui/read_progress_dialog.h"

namespace rw::ui {

namespace {
constexpr int kSteps = 1000;
constexpr int kShowAfterMilliseconds = 500;
}  // namespace

bool ReadProgressDialog::Report(double done, const QString& title, const QString& cancel) {
    if (!dialog_) {
        dialog_ = std::make_unique<QProgressDialog>(title, cancel, 0, kSteps, parent_);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(kShowAfterMilliseconds);
        dialog_->setAutoReset(false);
    }
    dialog_->setValue(static_cast<int>(done * kSteps));
    return !dialog_->wasCanceled();
}

}  // namespace rw::ui
