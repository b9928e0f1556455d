#include "app/CKadroApp.h"

#include "app/AboutDialog.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/Prompts.h"
#include "app/UserSettings.h"
#include "document/CKadroDoc.h"
#include "output/BatchDialog.h"
#include "output/PaletteSteps.h"
#include "palette/PaletteToolDialog.h"
#include "project/CPRGTreeView.h"
#include "project/UserSettingsStore.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStatusBar>

#include <iostream>

namespace kadro::gui {

QString CKadroApp::openPictureTitle() {
    return tr("打开图像文件");
}

QString CKadroApp::openPictureFilter() {
    return tr("所有图象文件(*.bmp,*.pcx,*.gif;*.tga;*.psd;*.jpg;*.tif;)|"
              "*.bmp;*.pcx;*.gif;*.tga;*.psd;*.jpg;*.tif;|KDR文件|*.gs?;*.kdr||");
}

namespace {
bool isProjectFile(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("prg"), Qt::CaseInsensitive) == 0;
}

const QString recentGroup = QStringLiteral("Recent File List");
// Nothing reads the mode any more, but the settings have held it since the first release, so a
// first start still writes it.
const Setting<int> ppuModeSetting{QStringLiteral("PPUMode"), 0};
} // namespace

CKadroApp::CKadroApp(QString programDirectory)
    : programDirectory_(std::move(programDirectory)),
      picture_(programDirectory_.toStdString(), ui_) {
    QAction* about = CommandTable::makeAction(cmd::appAbout, this);
    connect(about, &QAction::triggered, this, [this] { AboutDialog(mainWindow()).exec(); });
    QAction* paletteTool = CommandTable::makeAction(cmd::paletteTool, this);
    connect(paletteTool, &QAction::triggered, this, &CKadroApp::runPaletteTool);
    QAction* batch = CommandTable::makeAction(cmd::batchProcess, this);
    connect(batch, &QAction::triggered, this, [this] {
        BatchDialog dialog(this->programDirectory(), ui_, mainWindow());
        dialog.exec();
        if (!dialog.writtenFiles().empty() && frame_)
            frame_->statusBar()->showMessage(dialog.outcome(), 10000);
    });
    actions_ = {about, batch, paletteTool};
}

void CKadroApp::runPaletteTool() {
    PaletteToolDialog dialog(
        [this](const QString& palettePath, Colour target, int levels) {
            // Beside the palette file: a desktop program has no working folder of its own.
            const QString folder = QFileInfo(palettePath).absolutePath();
            if (PaletteSteps::write(palettePath.toStdString(), target, levels,
                                    picture_.settings.colourModeSetting(), programDirectory(),
                                    folder.toStdString(), ui_) &&
                frame_)
                frame_->statusBar()->showMessage(
                    tr("%1 written in %2")
                        .arg(QString::fromLatin1(PaletteSteps::fileName),
                             QDir::toNativeSeparators(folder)),
                    10000);
        },
        mainWindow());
    dialog.exec();
}

CKadroApp::~CKadroApp() {
    // The window goes before the document it shows.
    frame_.reset();
    document_.reset();
}

QWidget* CKadroApp::mainWindow() const {
    return frame_.get();
}

void CKadroApp::readSettings() {
    if (!ppuModeSetting.isStored())
        ppuModeSetting.write(ppuModeSetting.fallback);

    QSettings settings = userSettings();
    settings.beginGroup(recentGroup);
    recentFiles_.clear();
    for (int i = 1; i <= recentFileCount; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty())
            recentFiles_ << file;
    }
}

void CKadroApp::saveRecentFiles() const {
    QSettings settings = userSettings();
    settings.remove(recentGroup);
    settings.beginGroup(recentGroup);
    for (qsizetype i = 0; i < recentFiles_.size(); ++i)
        settings.setValue(QStringLiteral("File%1").arg(i + 1), recentFiles_[i]);
}

void CKadroApp::addRecentFile(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    recentFiles_.removeAll(full);
    recentFiles_.prepend(full);
    while (recentFiles_.size() > recentFileCount)
        recentFiles_.removeLast();
    saveRecentFiles();
    Q_EMIT recentFilesChanged();
}

bool CKadroApp::initInstance(const QStringList& arguments) {
    readSettings();
    document_ = std::make_unique<CKadroDoc>(picture_, *this);
    frame_ = std::make_unique<CMainFrame>(*this, *document_, picture_);
    ui_.setWindow(frame_.get());

    if (arguments.size() > 1) {
        std::cerr << "usage: kadro [PICTURE, DOCUMENT.kdr or PROJECT.prg]\n";
        return false;
    }
    if (arguments.isEmpty() || isProjectFile(arguments.first())) {
        if (!document_->onNewDocument())
            return false;
    } else if (!document_->onOpenDocument(arguments.first())) {
        return false;
    }
    // A project opened from a file manager becomes the remembered one, as Project > Load makes
    // it, so the tree reads it when it first shows.
    if (!arguments.isEmpty() && isProjectFile(arguments.first()))
        UserSettingsStore().writeString(
            prgPathKey, QFileInfo(arguments.first()).absoluteFilePath().toStdString());
    frame_->show();
    return true;
}

bool CKadroApp::promptOpenPicture(QString& path) {
    FilePrompt prompt;
    prompt.title = openPictureTitle();
    prompt.filter = openPictureFilter();
    prompt.filterIndex = lastFilterIndex_;
    prompt.initialPath = path;
    const auto answer = Prompts::file(mainWindow(), prompt);
    if (!answer)
        return false;
    path = answer->path;
    lastFilterIndex_ = answer->filterIndex;
    return true;
}

} // namespace kadro::gui
