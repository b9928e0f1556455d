// Turns the translations of Qt's ".ts" files into a C++ table, so that kadro-cli reads the same
// translations as the desktop program without linking Qt.
//
//   make_translation_table OUTPUT.cpp CONTEXTS english.ts chinese.ts
//
// CONTEXTS lists the contexts to take, separated by commas. Messages whose translation is
// missing, unfinished, obsolete or vanished are left out, so their source text shows.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Message {
    std::string context, source, translation;
};

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void appendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string decodeEntities(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t end = text[i] == '&' ? text.find(';', i) : std::string::npos;
        if (end == std::string::npos) {
            out += text[i];
            continue;
        }
        const std::string name = text.substr(i + 1, end - i - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (name.size() > 1 && name[0] == '#')
            appendUtf8(out, name[1] == 'x' ? std::stoul(name.substr(2), nullptr, 16)
                                           : std::stoul(name.substr(1)));
        else
            out += "&" + name + ";";
        i = end;
    }
    return out;
}

// The text between <tag ...> and </tag> from position at; empty for <tag .../>. The opening
// tag itself is returned in opening.
bool element(const std::string& xml, const std::string& tag, std::size_t& at, std::string& body,
             std::string& opening, std::size_t limit) {
    std::size_t start = xml.find("<" + tag, at);
    while (start != std::string::npos && start < limit) {
        const char after = xml[start + tag.size() + 1];
        if (after == '>' || after == ' ' || after == '/')
            break;
        start = xml.find("<" + tag, start + 1);
    }
    if (start == std::string::npos || start >= limit)
        return false;
    const std::size_t close = xml.find('>', start);
    opening = xml.substr(start, close - start + 1);
    if (xml[close - 1] == '/') {
        body.clear();
        at = close + 1;
        return true;
    }
    const std::size_t end = xml.find("</" + tag + ">", close);
    body = xml.substr(close + 1, end - close - 1);
    at = end + tag.size() + 3;
    return true;
}

std::vector<Message> readTs(const std::string& path, const std::set<std::string>& contexts) {
    const std::string xml = readAll(path);
    std::vector<Message> messages;
    std::size_t at = 0;
    std::string context, opening;
    while (element(xml, "context", at, context, opening, xml.size())) {
        std::size_t inner = 0;
        std::string name;
        element(context, "name", inner, name, opening, context.size());
        name = decodeEntities(name);
        if (!contexts.count(name))
            continue;
        std::string message;
        while (element(context, "message", inner, message, opening, context.size())) {
            std::size_t field = 0;
            std::string source, translation, tag;
            if (!element(message, "source", field, source, tag, message.size()) ||
                !element(message, "translation", field, translation, tag, message.size()))
                continue;
            if (tag.find("type=") != std::string::npos || translation.empty())
                continue;
            messages.push_back({name, decodeEntities(source), decodeEntities(translation)});
        }
    }
    return messages;
}

std::string literal(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out + "\"";
}

void writeTable(std::ostream& out, const std::string& name, const std::vector<Message>& list) {
    out << "constexpr Entry " << name << "[] = {\n";
    for (const Message& m : list)
        out << "    {" << literal(m.context) << ", " << literal(m.source) << ",\n     "
            << literal(m.translation) << "},\n";
    if (list.empty())
        out << "    {\"\", \"\", \"\"},\n";
    out << "};\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: make_translation_table OUTPUT.cpp CONTEXTS english.ts chinese.ts\n";
        return 2;
    }
    std::set<std::string> contexts;
    std::stringstream list(argv[2]);
    for (std::string c; std::getline(list, c, ',');)
        contexts.insert(c);
    std::ostringstream out;
    out << "// Made by make_translation_table from the .ts files; changes go there.\n"
        << "#include \"BuiltInTranslations.h\"\n\nnamespace kadro::translation {\n\nnamespace {\n";
    writeTable(out, "english", readTs(argv[3], contexts));
    writeTable(out, "chinese", readTs(argv[4], contexts));
    out << "} // namespace\n\n"
        << "std::span<const Entry> builtInEntries(Language language) {\n"
        << "    if (language == Language::English)\n        return english;\n"
        << "    if (language == Language::Chinese)\n        return chinese;\n"
        << "    return {};\n}\n\n} // namespace kadro::translation\n";
    std::ofstream file(argv[1], std::ios::binary);
    file << out.str();
    return file ? 0 : 1;
}
