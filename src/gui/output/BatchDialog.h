#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QProgressBar;

namespace kadro {
class UserInterface;
}

namespace kadro::gui {

// "Batch process": a frame list (".lst") converted frame by frame in animation mode into the
// animation sources. The list's own folder is where the frames, "Sprite_pgt.bin" and "ani.pal"
// are looked for and where the sources are written.
class BatchDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 171;

    BatchDialog(std::string programDirectory, UserInterface& ui, QWidget* parent = nullptr);

    // Reads a frame list into the list box, in the order the run takes them.
    bool loadList(const QString& path);
    QStringList frames() const;
    // Runs over every frame, as the command line does, an empty list too; false when a frame or
    // a file failed (the reason was shown).
    bool process();
    const std::vector<std::string>& writtenFiles() const { return written_; }
    // What the last run did, in a sentence for the status bar; empty before a run.
    QString outcome() const { return outcome_; }

private:
    void load();

    std::string programDirectory_;
    UserInterface& ui_;
    QString folder_;
    QListWidget* list_;
    QProgressBar* progress_;
    QPushButton* process_;
    QLabel* status_;
    std::vector<std::string> written_;
    QString outcome_;
};

} // namespace kadro::gui
