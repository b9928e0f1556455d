#pragma once

#include "app/NewSizeDialog.h"
#include "app/QtUserInterface.h"
#include "picture/Picture.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QAction;

namespace kadro::gui {

class CKadroDoc;
class CMainFrame;

// The one application object: settings, the command line, the open-picture prompt, the size of
// the next blank picture, and the Picture, document and main window it starts.
class CKadroApp : public QObject {
    Q_OBJECT
public:
    static constexpr int recentFileCount = 4;
    static QString openPictureTitle(); // "打开图像文件"
    static QString openPictureFilter();

    explicit CKadroApp(QString programDirectory);
    ~CKadroApp() override;

    // Start-up: settings, the document and its window, the command line (none or one path).
    // False when the program is to end, for example when the named file cannot be opened.
    bool initInstance(const QStringList& arguments);

    // Asks for a picture to open; on OK `path` is the chosen file and the filter in use is
    // remembered for next time.
    bool promptOpenPicture(QString& path);
    int lastFilterIndex() const { return lastFilterIndex_; }

    NewSize newPictureSize() const { return newPictureSize_; }
    void setNewPictureSize(const NewSize& size) { newPictureSize_ = size; }

    QStringList recentFiles() const { return recentFiles_; }
    void addRecentFile(const QString& path);

    std::string programDirectory() const { return programDirectory_.toStdString(); }
    QtUserInterface& ui() { return ui_; }
    Picture& picture() { return picture_; }
    CKadroDoc& document() { return *document_; }
    CMainFrame* frame() const { return frame_.get(); }
    QWidget* mainWindow() const;
    const std::vector<QAction*>& actions() const { return actions_; }

Q_SIGNALS:
    void recentFilesChanged();

private:
    void readSettings();
    void runPaletteTool();
    void saveRecentFiles() const;

    QString programDirectory_;
    QtUserInterface ui_;
    Picture picture_;
    std::unique_ptr<CKadroDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
    std::vector<QAction*> actions_;
    int lastFilterIndex_ = 1;
    NewSize newPictureSize_{0, 0};
    QStringList recentFiles_;
};

} // namespace kadro::gui
