#pragma once

#include "app/ZoomModel.h"
#include "common/ChipRules.h"
#include "document/TransformationDialog.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QAction;
class QWidget;

namespace kadro {
class Picture;
struct ConversionChoice;
} // namespace kadro

namespace kadro::gui {

class CKadroApp;
class TransformationDialog;

// The single document: where the File and Tool commands on the whole picture arrive. It owns no
// picture data (the Picture does), only its path, its last opened path and two flags.
class CKadroDoc : public QObject {
    Q_OBJECT
public:
    CKadroDoc(Picture& picture, CKadroApp& app);
    ~CKadroDoc() override;

    const std::vector<QAction*>& actions() const { return actions_; }
    QAction* action(int id) const;
    void updateActions();

    // The framework's part: a blank picture of the app's new size, a file by its extension,
    // a save by the extension of the path.
    bool onNewDocument();
    bool onOpenDocument(const QString& path);
    bool onSaveDocument(const QString& path);
    // Opens a file as Open does and shows it at 1:1 (recent files, project items).
    bool openAndShow(const QString& path);
    const Picture& picture() const { return picture_; }

    QString path() const { return path_; }
    QString title() const;
    QString lastOpenPath() const { return lastOpenPath_; }
    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }
    bool outputReady() const { return outputReady_; }
    bool pictureLoaded() const { return pictureLoaded_; }
    // Whether Save would write the picture or the document rather than an empty file.
    bool canSave() const;
    QString information() const { return information_; }

    // The conversion: the Transformation dialog while it is open, the area the view drags.
    TransformationDialog* transformationDialog() const { return transform_; }
    void conversionAreaChanged(const AreaRect& area);
    void finishConversion();

    // The commands, callable as the menus call them.
    void fileNew();
    void fileOpen();
    void fileSave();
    void fileSaveAs();
    void refresh();
    void transform();
    void output();
    void adapt(chip::ColourMode colourMode);
    void reduceColours();

Q_SIGNALS:
    // The picture's size or contents changed: new scroll area, full repaint.
    void pictureChanged();
    // Back to 1:1, as Open and Refresh leave the view.
    void zoomReset();
    // Pixels changed (message 1029).
    void refreshView();
    void informationChanged(const QString& text);
    void titleChanged();
    void recentFileAdded(const QString& path);
    // The Transformation dialog confirmed: the view is to run the conversion (message 1030).
    void conversionRequested();
    // A Transformation dialog is made and about to show: the window places it.
    void transformationOpening(kadro::gui::TransformationDialog* dialog);

private:
    void createActions();
    QAction* addAction(int id, void (CKadroDoc::*handler)());
    void setPath(const QString& path);
    void setInformation(const std::string& text);
    void collectUsedColours();
    void startConversion(const ConversionChoice& choice);
    QWidget* window() const;

    Picture& picture_;
    CKadroApp& app_;
    std::vector<QAction*> actions_;
    QString path_;
    QString lastOpenPath_;
    bool modified_ = false;
    bool outputReady_ = false;
    bool pictureLoaded_ = false;
    QString information_;
    QPointer<TransformationDialog> transform_;
};

} // namespace kadro::gui
