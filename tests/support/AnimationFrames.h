#pragma once

#include "DocumentBuilder.h"
#include "output/AnimationRun.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace kadro::test {

// A frame as the animation-mode conversion would give it: that many distinct 8 x 8 tiles, stored
// from startAddress on as the converter stores them, in rows of at most 256 (more tiles than
// that come in whole rows).
inline KdrDocument animationFrame(int tiles, std::uint16_t startAddress) {
    DocumentPlan plan;
    plan.width = 8 * std::min(tiles, 256);
    plan.height = 8 * std::max(1, tiles / 256);
    plan.pattern.assign(startAddress, 0xFF);
    for (int i = 0; i < tiles; ++i) {
        plan.names.push_back(static_cast<std::uint16_t>(startAddress / 32 + i));
        plan.pattern.insert(plan.pattern.end(), 32, static_cast<std::uint8_t>(i));
    }
    plan.palette = {0x0130, 0x0201};
    plan.bankSizes = {static_cast<std::int16_t>(plan.pattern.size())};
    return makeDocument(plan);
}

inline std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Where the assembler puts each frame's names: the name files follow one another in 32 KB
// steps, "phs" starts an 8 KB page, and every db value is one byte. Frames in file order, with
// the byte position of their first name, and what breaks that layout.
struct NameLayout {
    std::vector<std::pair<std::string, int>> frames;
    std::vector<std::string> faults;
};

inline std::string nameFilePath(const std::string& directory, int number) {
    char name[32];
    std::snprintf(name, sizeof name, "ANIPNT%02X.asm", number);
    return (std::filesystem::path(directory) / name).string();
}

// Follows the files from "ANIPNT00.asm" as the assembler does, through their "charge" lines.
inline NameLayout nameLayout(const std::string& directory) {
    NameLayout out;
    for (int file = 0;; ++file) {
        const std::string name = nameFilePath(directory, file);
        if (!std::filesystem::exists(name)) {
            out.faults.push_back(name + " is missing");
            return out;
        }
        int at = file * AnimationRun::nameFileBytes;
        bool chained = false;
        std::istringstream lines(fileText(name));
        for (std::string line; std::getline(lines, line);) {
            if (line.ends_with("_pnt:\r"))
                out.frames.emplace_back(line.substr(0, line.size() - 6), at);
            else if (line == "\t\tphs\t$8000\r" && at % AnimationRun::namePageBytes != 0)
                out.faults.push_back(name + ": a page starts at " + std::to_string(at));
            else if (line.starts_with("\tdb\t"))
                at += static_cast<int>(std::count(line.begin(), line.end(), '$'));
            else if (line.starts_with("\t\tcharge\tANIPNT"))
                chained = true;
        }
        if (!chained)
            return out;
        if (at != (file + 1) * AnimationRun::nameFileBytes)
            out.faults.push_back(name + " ends at " + std::to_string(at));
    }
}

// The page of names each record of "ANIINDEX.asm" gives, in file order.
inline std::vector<int> indexPages(const std::string& directory) {
    std::vector<int> pages;
    const std::string text = fileText((std::filesystem::path(directory) / "ANIINDEX.asm").string());
    // Whole db lines only: a frame's own name may hold the same letters in its label.
    const std::string key = "\n\tdb\tPNT_Bank+$";
    for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + 1))
        pages.push_back(std::stoi(text.substr(at + key.size(), 2), nullptr, 16));
    return pages;
}

} // namespace kadro::test
