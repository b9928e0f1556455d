#include "Choices.h"

#include "Text.h"

#include "common/Paths.h"

namespace kadro::cli {

const Choice* findChoice(ChoiceTable table, std::string_view text) {
    const std::string lower = paths::toLower(text);
    for (const Choice& choice : table)
        if (choice.word == lower)
            return &choice;
    return nullptr;
}

const Choice& choiceOf(ChoiceTable table, std::string_view text) {
    const Choice* choice = findChoice(table, text);
    return choice ? *choice : table.front();
}

std::string choiceWords(ChoiceTable table) {
    std::string words;
    for (const Choice& choice : table)
        words += (words.empty() ? "" : "|") + std::string(choice.word);
    return words;
}

std::string choiceList(ChoiceTable table) {
    std::string list(table.front().word);
    for (std::size_t i = 1; i < table.size(); ++i)
        list = i + 1 == table.size() ? tr("%1 or %2", {list, table[i].word})
                                     : tr("%1, %2", {list, table[i].word});
    return list;
}

std::string choiceDisplays(ChoiceTable table) {
    std::string list;
    for (const Choice& choice : table)
        list += (list.empty() ? "\"" : ", \"") + std::string(choice.display) + "\"";
    return list;
}

} // namespace kadro::cli
