#include "project/ProgressDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace kadro::gui {

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      text_(new QLabel(this)), bar_(new QProgressBar(this)) {
    setWindowTitle(QString());
    setModal(false);
    text_->setObjectName(QStringLiteral("stage"));
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(300);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(bar_);
}

void ProgressDialog::setText(const QString& text) {
    text_->setText(text);
    showNow();
}

void ProgressDialog::setRange(int low, int high) {
    bar_->setRange(low, high);
    bar_->setValue(low);
    showNow();
}

void ProgressDialog::setStep(int step) {
    step_ = step;
}

void ProgressDialog::advance() {
    bar_->setValue(std::min(bar_->maximum(), bar_->value() + step_));
    showNow();
}

int ProgressDialog::value() const {
    return bar_->value();
}
QString ProgressDialog::text() const {
    return text_->text();
}

// The caller keeps the event loop busy; let the window paint without taking user input.
void ProgressDialog::showNow() {
    if (isVisible())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace kadro::gui
