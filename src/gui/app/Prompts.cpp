#include "app/Prompts.h"

#include "colour/ColourPickerDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QTreeView>

namespace kadro::gui {

namespace {
Prompts::MessageHandler& messageHandler() {
    static Prompts::MessageHandler handler;
    return handler;
}
Prompts::FileHandler& fileHandler() {
    static Prompts::FileHandler handler;
    return handler;
}
Prompts::ColourHandler& colourHandler() {
    static Prompts::ColourHandler handler;
    return handler;
}

Prompts::ColourHandler& pickerHandler() {
    static Prompts::ColourHandler handler;
    return handler;
}
Prompts::QuestionHandler& questionHandler() {
    static Prompts::QuestionHandler handler;
    return handler;
}

QString applicationTitle() {
    return QStringLiteral("Kadro");
}

// The platform's colour chooser has this title; "Select Color" belongs to the used-colour grid.
const char* const colourChooserTitle = QT_TRANSLATE_NOOP("Prompts", "Color");

// Qt's own file dialog opens too small for its columns: give it room and the name column the
// rest of it, so sizes, types and dates show whole.
void fitColumns(QFileDialog& dialog) {
    dialog.resize(dialog.sizeHint().expandedTo(QSize(820, 480)));
    if (auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}
} // namespace

void Prompts::setMessageHandler(MessageHandler handler) {
    messageHandler() = std::move(handler);
}
void Prompts::setFileHandler(FileHandler handler) {
    fileHandler() = std::move(handler);
}
void Prompts::setQuestionHandler(QuestionHandler handler) {
    questionHandler() = std::move(handler);
}

bool Prompts::askYes(QWidget* parent, const QString& text) {
    if (questionHandler())
        return questionHandler()(text);
    return QMessageBox::question(parent, applicationTitle(), text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Yes;
}

void Prompts::setPickerHandler(ColourHandler handler) {
    pickerHandler() = std::move(handler);
}

std::optional<QColor> Prompts::pickColour(QWidget* parent, const QColor& initial) {
    if (pickerHandler())
        return pickerHandler()(initial);
    ColourPickerDialog dialog(makeColour(initial.red(), initial.green(), initial.blue()), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const Colour c = dialog.colour();
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

void Prompts::setColourHandler(ColourHandler handler) {
    colourHandler() = std::move(handler);
}

void Prompts::message(QWidget* parent, const QString& text, PromptIcon icon) {
    if (messageHandler()) {
        messageHandler()(text, icon);
        return;
    }
    if (icon == PromptIcon::Warning)
        QMessageBox::warning(parent, applicationTitle(), text);
    else
        QMessageBox::information(parent, applicationTitle(), text);
}

QStringList Prompts::qtFilters(const QString& filter) {
    QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString suffix = QLatin1Char('(') + patterns.trimmed() + QLatin1Char(')');
        // A description that already ends with its own patterns is a complete Qt filter; adding
        // them again would show them twice.
        filters << (parts[i].endsWith(suffix) ? parts[i] : parts[i] + QLatin1Char(' ') + suffix);
    }
    return filters;
}

std::optional<FileAnswer> Prompts::file(QWidget* parent, const FilePrompt& prompt) {
    if (fileHandler())
        return fileHandler()(prompt);
    const bool open = prompt.kind == FilePrompt::Kind::Open;
    QFileDialog dialog(parent, prompt.title.isEmpty()
                                   ? (open ? QCoreApplication::translate("Prompts", "Open")
                                           : QCoreApplication::translate("Prompts", "Save As"))
                                   : prompt.title);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = qtFilters(prompt.filter);
    dialog.setNameFilters(filters);
    if (prompt.filterIndex >= 1 && prompt.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[prompt.filterIndex - 1]);
    if (!prompt.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(prompt.defaultSuffix);
    if (!prompt.initialPath.isEmpty())
        dialog.selectFile(prompt.initialPath);
    fitColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const int index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return FileAnswer{dialog.selectedFiles().first(), index > 0 ? index : 1};
}

std::optional<QColor> Prompts::colour(QWidget* parent, const QColor& initial) {
    if (colourHandler())
        return colourHandler()(initial);
    const QColor chosen = QColorDialog::getColor(
        initial, parent, QCoreApplication::translate("Prompts", colourChooserTitle));
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

} // namespace kadro::gui
