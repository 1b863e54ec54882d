#include "ui/progress_dialog.h"

#include "ui/translated_wording.h"
#include "wording/wording.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace wl3::ui {

ProgressDialog::ProgressDialog(QWidget& window, bool stoppable)
    : QDialog(&window, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      phase_(new QLabel(this)), bar_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("progress"));
    setWindowTitle(window.windowTitle());
    phase_->setObjectName(QStringLiteral("phase"));
    bar_->setObjectName(QStringLiteral("bytes"));
    bar_->setFormat(tr("%v of %m bytes"));
    bar_->setRange(0, 0);
    bar_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(phase_);
    layout->addWidget(bar_);
    if (stoppable) {
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
        cancel_ = buttons->button(QDialogButtonBox::Cancel);
        connect(buttons, &QDialogButtonBox::rejected, this, &ProgressDialog::reject);
        layout->addWidget(buttons);
    }
}

void ProgressDialog::showProgress(ExchangePhase phase, int bytesDone, int bytesExpected) {
    phase_->setText(translated(phaseWording(phase)));
    bar_->setRange(0, bytesExpected);
    bar_->setValue(std::min(bytesDone, bytesExpected));
    if (isHidden()) {
        show();
    }
}

void ProgressDialog::reject() {
    if (cancel_ != nullptr) {
        requestStop();
    }
}

void ProgressDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (QWidget* window = parentWidget()) {
        window->close();
    }
}

void ProgressDialog::requestStop() {
    stopRequested_ = true;
    if (cancel_ != nullptr) {
        cancel_->setEnabled(false);
    }
}

void PanelAsideReporter::report(const Outcome& outcome) {
    panel_.hide();
    shown_.report(outcome);
}

void ProgressObserver::progress(ExchangePhase phase, int bytesDone, int bytesExpected) {
    QMetaObject::invokeMethod(
        &dialog_,
        [&dialog = dialog_, phase, bytesDone, bytesExpected] {
            dialog.showProgress(phase, bytesDone, bytesExpected);
        },
        Qt::QueuedConnection);
}

} // namespace wl3::ui
