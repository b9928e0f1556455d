#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace kadro::gui {

enum class PromptIcon { Information, Warning };

// A file prompt: title, "A|*.a||"-style filter split into QFileDialog filters, the 1-based
// filter preselected, the starting path and whether the file must exist.
struct FilePrompt {
    enum class Kind { Open, Save } kind = Kind::Open;
    QString title;
    QString filter; // "Description|pattern;pattern|Description|pattern||"
    QString defaultSuffix;
    QString initialPath;
    int filterIndex = 1;
};

struct FileAnswer {
    QString path;
    int filterIndex = 1; // 1-based, the filter in use when the person confirmed
};

// Every question the desktop program asks a person goes through here, so tests can answer
// without a modal window blocking them. The default handlers use Qt's standard dialogs.
class Prompts {
public:
    using MessageHandler = std::function<void(const QString& text, PromptIcon icon)>;
    using FileHandler = std::function<std::optional<FileAnswer>(const FilePrompt&)>;
    using ColourHandler = std::function<std::optional<QColor>(const QColor& initial)>;
    using QuestionHandler = std::function<bool(const QString& text)>;

    static void message(QWidget* parent, const QString& text,
                        PromptIcon icon = PromptIcon::Warning);
    static std::optional<FileAnswer> file(QWidget* parent, const FilePrompt& prompt);
    static std::optional<QColor> colour(QWidget* parent, const QColor& initial);
    // The program's own colour picker ("Colors Select"), for the drawing colours.
    static std::optional<QColor> pickColour(QWidget* parent, const QColor& initial);
    // A Yes / No / Cancel question; true only for Yes.
    static bool askYes(QWidget* parent, const QString& text);

    // Replaces a handler; an empty function restores Qt's dialog.
    static void setMessageHandler(MessageHandler handler);
    static void setFileHandler(FileHandler handler);
    static void setColourHandler(ColourHandler handler);
    static void setPickerHandler(ColourHandler handler);
    static void setQuestionHandler(QuestionHandler handler);

    // "A|a||" as the list of filters QFileDialog shows: "A (a)".
    static QStringList qtFilters(const QString& filter);
};

} // namespace kadro::gui
