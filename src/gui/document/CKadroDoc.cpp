#include "document/CKadroDoc.h"

#include "app/CKadroApp.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/NewSizeDialog.h"
#include "app/PathText.h"
#include "app/Prompts.h"
#include "colour/ColorTables.h"
#include "colour/ReduceDialog.h"
#include "document/InformationText.h"
#include "document/TransformationDialog.h"
#include "output/OutputRunner.h"
#include "picture/Picture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace kadro::gui {

namespace {

// A wait cursor for the length of one operation.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString openFailure(const QString& path) {
    return CKadroDoc::tr("Cannot open \"%1\": it is missing, unreadable or not a picture.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

CKadroDoc::CKadroDoc(Picture& picture, CKadroApp& app) : picture_(picture), app_(app) {
    createActions();
}

CKadroDoc::~CKadroDoc() {
    if (transform_)
        delete transform_;
}

QAction* CKadroDoc::addAction(int id, void (CKadroDoc::*handler)()) {
    QAction* a = CommandTable::makeAction(id, this);
    connect(a, &QAction::triggered, this, handler);
    actions_.push_back(a);
    return a;
}

void CKadroDoc::createActions() {
    addAction(cmd::fileNew, &CKadroDoc::fileNew);
    addAction(cmd::transform, &CKadroDoc::transform);
    addAction(cmd::fileSaveAs, &CKadroDoc::fileSaveAs);
    addAction(cmd::fileOpen, &CKadroDoc::fileOpen);
    addAction(cmd::refresh, &CKadroDoc::refresh);
    addAction(cmd::output, &CKadroDoc::output);
    addAction(cmd::fileSave, &CKadroDoc::fileSave);
    addAction(cmd::reduceColours, &CKadroDoc::reduceColours);
    const std::pair<int, chip::ColourMode> adaptations[] = {{cmd::adaptHsl, chip::ColourMode::Hsl},
                                                            {cmd::adaptRgb, chip::ColourMode::Rgb},
                                                            {cmd::adaptNes, chip::ColourMode::Nes}};
    for (const auto& [id, colourMode] : adaptations) {
        QAction* a = CommandTable::makeAction(id, this);
        connect(a, &QAction::triggered, this, [this, mode = colourMode] { adapt(mode); });
        actions_.push_back(a);
    }
}

QAction* CKadroDoc::action(int id) const {
    for (QAction* a : actions_) {
        if (CommandTable::idOf(a) == id)
            return a;
    }
    return nullptr;
}

void CKadroDoc::updateActions() {
    for (int id : {cmd::transform, cmd::fileSaveAs})
        action(id)->setEnabled(pictureLoaded_);
    action(cmd::fileSave)->setEnabled(canSave());
    // A converted picture shows console data already; reducing it would change nothing it holds.
    action(cmd::reduceColours)->setEnabled(pictureLoaded_ && !picture_.hasConversion());
    action(cmd::output)->setEnabled(outputReady_);
}

// Save is offered only where it writes something: a blank or a picture opened from a PNG would
// otherwise become an empty file (the PNG itself overwritten). Save As still offers a bitmap.
bool CKadroDoc::canSave() const {
    if (!pictureLoaded_)
        return false;
    return path_.isEmpty() ? picture_.hasConversion() : picture_.savesContent(path_.toStdString());
}

QWidget* CKadroDoc::window() const {
    return app_.mainWindow();
}

QString CKadroDoc::title() const {
    return path_.isEmpty() ? tr("无标题") : QFileInfo(path_).fileName();
}

void CKadroDoc::setPath(const QString& path) {
    path_ = path;
    if (!path.isEmpty())
        Q_EMIT recentFileAdded(path);
    Q_EMIT titleChanged();
}

void CKadroDoc::setInformation(const std::string& text) {
    information_ = QString::fromStdString(text);
    Q_EMIT informationChanged(information_);
}

void CKadroDoc::collectUsedColours() {
    picture_.colourStats(0, 0, picture_.width(), picture_.height());
}

// --- the framework's part

bool CKadroDoc::onNewDocument() {
    const NewSize size = app_.newPictureSize();
    if (transform_)
        transform_->close();
    if (!picture_.createEmpty(size.width, size.height))
        return false;
    // A blank is an ordinary picture: no results to output, saved as a bitmap.
    picture_.values.currentPictureType = PictureType::Ordinary;
    path_.clear();
    modified_ = false;
    outputReady_ = false;
    pictureLoaded_ = size.width > 0 && size.height > 0;
    collectUsedColours();
    setInformation(information::forImage(picture_.width(), picture_.height()));
    Q_EMIT titleChanged();
    Q_EMIT pictureChanged();
    return true;
}

bool CKadroDoc::onOpenDocument(const QString& path) {
    const QString extension = pathExtension(path);
    if (extension.isEmpty())
        return false;
    WaitCursor wait;
    if (!QFileInfo(path).isReadable()) {
        Prompts::message(window(), openFailure(path));
        return false;
    }
    if (transform_)
        transform_->close();
    if (extension != QLatin1String("kdr")) {
        if (!picture_.loadViaModule(path.toStdString())) {
            Prompts::message(window(), openFailure(path));
            return false;
        }
        setPath(path);
        modified_ = false;
        outputReady_ = false;
        pictureLoaded_ = true;
        setInformation(information::forImage(picture_.width(), picture_.height()));
    } else {
        if (!picture_.loadKdr(path.toStdString()))
            return false;
        picture_.refresh();
        setPath(path);
        modified_ = false;
        outputReady_ = true;
        pictureLoaded_ = true;
        setInformation(information::forKdr(picture_.settings));
    }
    // Every open counts, from the menu, the recent files or the command line, so Refresh, Output
    // and the name of a conversion refer to the picture on screen.
    lastOpenPath_ = path;
    collectUsedColours();
    Q_EMIT pictureChanged();
    return true;
}

bool CKadroDoc::openAndShow(const QString& path) {
    if (!onOpenDocument(path))
        return false;
    Q_EMIT zoomReset();
    return true;
}

bool CKadroDoc::onSaveDocument(const QString& path) {
    WaitCursor wait;
    return picture_.save(path.toStdString());
}

// --- commands

void CKadroDoc::fileNew() {
    NewSizeDialog dialog(NewSize{}, window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    app_.setNewPictureSize(dialog.size());
    if (onNewDocument())
        Q_EMIT zoomReset();
}

void CKadroDoc::fileOpen() {
    QString path;
    if (!app_.promptOpenPicture(path))
        return;
    lastOpenPath_ = path;
    onOpenDocument(path);
    Q_EMIT zoomReset();
}

void CKadroDoc::refresh() {
    onOpenDocument(lastOpenPath_);
    Q_EMIT zoomReset();
}

void CKadroDoc::fileSave() {
    if (!canSave())
        return;
    if (path_.isEmpty()) {
        FilePrompt prompt;
        prompt.kind = FilePrompt::Kind::Save;
        prompt.filter = tr("Kadro Files (*.kdr)|*.kdr||");
        prompt.defaultSuffix = QStringLiteral("kdr");
        const auto answer = Prompts::file(window(), prompt);
        if (!answer)
            return;
        if (onSaveDocument(answer->path)) {
            setPath(answer->path);
            modified_ = false;
        }
        return;
    }
    if (onSaveDocument(path_))
        modified_ = false;
}

void CKadroDoc::fileSaveAs() {
    const bool ordinary = picture_.values.currentPictureType == PictureType::Ordinary;
    FilePrompt prompt;
    prompt.kind = FilePrompt::Kind::Save;
    prompt.filter =
        ordinary ? tr("Bitmap(*.bmp)|*.bmp||") : tr("Bitmap(*.kdr)|*.kdr|Bitmap(*.bmp)|*.bmp||");
    prompt.defaultSuffix = ordinary ? QStringLiteral("bmp") : QStringLiteral("kdr");
    prompt.initialPath = path_;
    if (const auto answer = Prompts::file(window(), prompt))
        onSaveDocument(answer->path);
}

void CKadroDoc::adapt(chip::ColourMode colourMode) {
    if (!picture_.image())
        return;
    collectUsedColours();
    bool done = false;
    {
        WaitCursor wait;
        done = picture_.adapt(colourMode);
    }
    modified_ = false;
    collectUsedColours();
    Q_EMIT pictureChanged();
    if (done)
        Q_EMIT refreshView();
}

void CKadroDoc::reduceColours() {
    if (!picture_.image() || picture_.hasConversion())
        return;
    const auto tables = ColorTables::shared(app_.programDirectory(), app_.ui());
    if (!tables)
        return;
    ReduceDialog dialog(*picture_.image(), *tables, app_.ui(), window());
    if (dialog.exec() != QDialog::Accepted || !dialog.reduced())
        return;
    picture_.adoptReduction(*dialog.reduced(), dialog.settings(), dialog.reduction());
    Q_EMIT pictureChanged();
    Q_EMIT refreshView();
}

// --- the conversion

void CKadroDoc::transform() {
    if (transform_) {
        transform_->raise();
        transform_->activateWindow();
        return;
    }
    if (!picture_.image())
        return;
    // The colour tables give the dialog its count of VT03 colours; without them nothing can
    // convert, and they have told the person why.
    if (!picture_.prepareTransform())
        return;
    collectUsedColours();
    TransformStart start;
    start.choice = picture_.initialChoice();
    start.picture = {picture_.width(), picture_.height()};
    start.usedColours = picture_.values.usedColourCount();
    start.vt03Colours = picture_.availableColours(start.choice.colourMode);
    picture_.setSelection(start.choice.area);
    transform_ = new TransformationDialog(
        start, picture_.values.usedColours,
        [this](const ConversionChoice& choice) {
            if (!picture_.transform(choice))
                return false;
            Q_EMIT conversionRequested();
            return true;
        },
        window());
    connect(transform_, &TransformationDialog::areaEdited, this, &CKadroDoc::conversionAreaChanged);
    connect(transform_, &QObject::destroyed, this, &CKadroDoc::refreshView);
    Q_EMIT transformationOpening(transform_);
    transform_->show();
    Q_EMIT refreshView();
}

void CKadroDoc::conversionAreaChanged(const AreaRect& area) {
    picture_.setSelection({area.left, area.top, area.right, area.bottom});
    picture_.colourStats(area.left, area.top, area.width(), area.height());
    if (transform_) {
        const chip::ColourMode mode = transform_->choice().colourMode;
        transform_->showArea(area, picture_.values.usedColourCount(),
                             picture_.availableColours(mode));
    }
    Q_EMIT refreshView();
}

void CKadroDoc::finishConversion() {
    picture_.refresh();
    outputReady_ = true;
    pictureLoaded_ = true;
    setPath(pathStem(lastOpenPath_) + QStringLiteral(".kdr"));
    modified_ = false;
    collectUsedColours();
    setInformation(information::forConversion(picture_.settings));
    Q_EMIT pictureChanged();
}

void CKadroDoc::output() {
    if (!outputReady_)
        return;
    FileOutputDialog dialog(
        FileOutputChoices::forDocument(lastOpenPath_, picture_.settings.outputLevel), window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const FileOutputChoices choices = dialog.choices();
    picture_.settings.outputLevel = static_cast<std::uint8_t>(choices.level);
    if (picture_.hasConversion()) {
        WaitCursor wait;
        OutputRunner::run(picture_, choices, app_.ui());
    }
}

} // namespace kadro::gui
