#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace kadro::gui {

// What the Output command writes, and how.
struct FileOutputChoices {
    QString pgtPath;
    QString pntPath;
    int level = 0;
    int pgtFormat = 0;    // 0 BIN, 1 ASM
    int pgtWidth = 0;     // 0 8bit, 1 16bit
    int pntContent = 0;   // 0 TXT, 1 SPR
    int spriteFormat = 0; // 0 NOR, 1 EXT

    // The defaults for a document opened from `openedPath`: "_pgt.bin" and "_pnt.asm" beside it.
    static FileOutputChoices forDocument(const QString& openedPath, int level);
};

class FileOutputDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 160;

    explicit FileOutputDialog(const FileOutputChoices& choices, QWidget* parent = nullptr);
    FileOutputChoices choices() const;

private:
    void formatClicked(const char* suffix);
    void browse(QLineEdit* field, const QString& filter);
    QWidget* pathRow(QLineEdit* field, const char* buttonName, const QString& filter);

    QLineEdit* pgtPath_;
    QLineEdit* pntPath_;
    QSpinBox* level_;
    QRadioButton* bin_;
    QRadioButton* asm_;
    QRadioButton* bit8_;
    QRadioButton* bit16_;
    QRadioButton* txt_;
    QRadioButton* spr_;
    QRadioButton* nor_;
    QRadioButton* ext_;
};

} // namespace kadro::gui
