#include "output/BatchDialog.h"

#include "app/Prompts.h"
#include "output/AnimationBatch.h"
#include "output/AnimationRun.h"
#include "picture/FormatModule.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kadro::gui {

BatchDialog::BatchDialog(std::string programDirectory, UserInterface& ui, QWidget* parent)
    : QDialog(parent), programDirectory_(std::move(programDirectory)), ui_(ui),
      list_(new QListWidget(this)), progress_(new QProgressBar(this)),
      process_(new QPushButton(tr("Process"), this)), status_(new QLabel(this)) {
    setWindowTitle(tr("Batch process"));
    list_->setObjectName(QStringLiteral("frames"));
    list_->setMinimumSize(320, 240);
    progress_->setOrientation(Qt::Vertical);
    progress_->setTextVisible(false);
    auto* loadButton = new QPushButton(tr("Load"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    // The list's folder is where the run reads and writes: nothing to process before a list.
    process_->setEnabled(false);
    process_->setDefault(true);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(loadButton);
    buttons->addStretch();
    buttons->addWidget(process_);
    buttons->addWidget(cancel);
    auto* row = new QHBoxLayout;
    row->addWidget(list_);
    row->addWidget(progress_);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(status_);
    connect(loadButton, &QPushButton::clicked, this, &BatchDialog::load);
    connect(process_, &QPushButton::clicked, this, &BatchDialog::process);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void BatchDialog::load() {
    FilePrompt prompt;
    prompt.filter = tr("LST文件(*.lst)|*.lst||");
    prompt.defaultSuffix = QStringLiteral("lst");
    if (const auto answer = Prompts::file(this, prompt))
        loadList(answer->path);
}

bool BatchDialog::loadList(const QString& path) {
    list_->clear();
    auto frames = AnimationRun::readFrameList(path.toStdString());
    if (!frames) {
        Prompts::message(
            this, tr("Cannot read the frame list \"%1\".").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    AnimationRun::sortFrames(*frames);
    folder_ = QFileInfo(path).absolutePath();
    for (const auto& frame : *frames)
        list_->addItem(QString::fromStdString(frame));
    process_->setEnabled(true);
    outcome_.clear();
    status_->clear();
    return true;
}

QStringList BatchDialog::frames() const {
    QStringList frames;
    for (int i = 0; i < list_->count(); ++i)
        frames << list_->item(i)->text();
    return frames;
}

bool BatchDialog::process() {
    written_.clear();
    if (folder_.isEmpty())
        return false;
    std::vector<std::string> list;
    for (const QString& entry : frames())
        list.push_back(entry.toStdString());
    progress_->setRange(0, static_cast<int>(list.size()));
    progress_->setValue(0);
    const AnimationBatch batch{folder_.toStdString(), programDirectory_,
                               [this](const std::string& path) {
                                   progress_->setValue(progress_->value() + 1);
                                   return loadPictureFile(programDirectory_, path, ui_);
                               }};
    const auto written = runAnimationBatch(batch, list, ui_, ui_);
    const bool done = written.has_value();
    if (done) {
        written_ = *written;
        progress_->setValue(progress_->maximum());
        outcome_ = tr("Batch process finished: %1 files written in %2.")
                       .arg(written_.size())
                       .arg(QDir::toNativeSeparators(folder_));
    } else {
        outcome_ = tr("The batch process stopped.");
    }
    status_->setText(outcome_);
    return done;
}

} // namespace kadro::gui
