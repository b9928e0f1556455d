#include "output/SpriteTables.h"

#include "output/AsmText.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace kadro {

namespace {

// The two comments are GBK bytes, as the console toolchains expect: "个数,模式" and
// "Y坐标,字模索引,状态位 ,X坐标".
constexpr const char* countComment = "\xB8\xF6\xCA\xFD,\xC4\xA3\xCA\xBD";
constexpr const char* tileComment = "Y\xD7\xF8\xB1\xEA,\xD7\xD6\xC4\xA3\xCB\xF7\xD2\xFD,"
                                    "\xD7\xB4\xCC\xAC\xCE\xBB ,X\xD7\xF8\xB1\xEA";

struct SpriteTile {
    std::uint32_t y, pattern, status, x;
};

SpriteTile describe(const ConvertedData& data, int offset, int rowBytes, int originY, int originX,
                    bool extended) {
    const int cell = offset / 2;
    const std::uint32_t name = data.name(cell);
    const std::uint32_t attribute = data.attribute(cell);
    SpriteTile t{};
    t.y = static_cast<std::uint32_t>(offset / rowBytes * data.tileHeight() - originY);
    t.x = static_cast<std::uint32_t>(offset % rowBytes * data.tileWidth() / 2 - originX);
    if (extended) {
        t.pattern = (name & 0x3F) | ((name >> 9) & 0x3) << 6;
        t.status = (attribute & 0x3) | ((name >> 6) & 0x7) << 2;
    } else {
        t.pattern = name & 0xFF;
        t.status = attribute;
    }
    return t;
}

void writeSprite(AsmText& text, const ConvertedData& data, std::vector<int> tiles, bool extended) {
    const int rowBytes = 2 * data.cellsAcross();
    int originY = std::numeric_limits<int>::max(), originX = std::numeric_limits<int>::max();
    for (int b : tiles) {
        originY = std::min(originY, b / rowBytes * data.tileHeight());
        originX = std::min(originX, b % rowBytes * data.tileWidth() / 2);
    }
    std::sort(tiles.begin(), tiles.end());
    std::erase_if(tiles, [&](int b) { return data.name(b / 2) == SpriteTables::hiddenName; });

    char line[160];
    std::snprintf(line, sizeof line, "\tdb\t%s,%s\t\t;%s\n",
                  AsmText::hex(static_cast<std::uint32_t>(tiles.size())).c_str(),
                  data.settings().charSize == 0 ? "$10" : "$08", countComment);
    text.raw(line);
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const SpriteTile t = describe(data, tiles[i], rowBytes, originY, originX, extended);
        std::snprintf(line, sizeof line, "\tdb\t%s,%s,%s,%s\t;%s,%zu\n", AsmText::hex(t.y).c_str(),
                      AsmText::hex(t.pattern).c_str(), AsmText::hex(t.status).c_str(),
                      AsmText::hex(t.x).c_str(), tileComment, i);
        text.raw(line);
    }
}

} // namespace

std::vector<int> SpriteTables::grow(const std::vector<std::uint16_t>& names, int cellsAcross,
                                    int first, std::uint16_t background) {
    const int end = 2 * static_cast<int>(names.size());
    const int r = 2 * cellsAcross;
    // A sprite holds at most 255 tiles, so looking through it costs less than marking the
    // whole name table for every sprite of a picture with thousands of them.
    std::vector<int> sprite{first};
    auto consider = [&](bool allowed, int b) {
        if (!allowed || static_cast<int>(sprite.size()) >= maxSpriteTiles)
            return;
        if (names[static_cast<std::size_t>(b / 2)] == background ||
            std::find(sprite.begin(), sprite.end(), b) != sprite.end())
            return;
        sprite.push_back(b);
    };
    for (std::size_t k = 0; k < sprite.size(); ++k) {
        const int b = sprite[k];
        consider((b + 2) % r != 0, b + 2);
        consider(b > r, b - r);
        consider(b % r != 0, b - 2);
        consider(b + r < end, b + r);
        consider(b > r && (b - r + 2) % r != 0, b - r + 2);
        consider(b > r && (b - r) % r != 0, b - r - 2);
        consider(b + r + 2 < end && (b + r + 2) % r != 0, b + r + 2);
        consider(b + r - 2 < end && (b + r) % r != 0, b + r - 2);
    }
    return sprite;
}

std::vector<std::vector<int>> SpriteTables::sprites(const ConvertedData& data) {
    std::vector<std::uint16_t> names(static_cast<std::size_t>(data.cellCount()));
    for (int cell = 0; cell < data.cellCount(); ++cell)
        names[static_cast<std::size_t>(cell)] = data.name(cell);
    std::vector<std::vector<int>> out;
    if (names.empty())
        return out;
    // Tiles already written take the background name, so each is written once whatever the
    // background's value.
    const std::uint16_t background = names[0];
    for (std::size_t cell = 0; cell < names.size(); ++cell) {
        if (names[cell] == background)
            continue;
        out.push_back(grow(names, data.cellsAcross(), 2 * static_cast<int>(cell), background));
        for (int b : out.back())
            names[static_cast<std::size_t>(b / 2)] = background;
    }
    return out;
}

std::string SpriteTables::text(const ConvertedData& data, const std::string& stem, bool extended) {
    AsmText text;
    int number = 0;
    for (const std::vector<int>& sprite : sprites(data)) {
        text.label(stem + std::to_string(number++));
        writeSprite(text, data, sprite, extended);
    }
    return text.take();
}

std::string SpriteTables::problem(const ConvertedData& data) {
    const int rowBytes = 2 * data.cellsAcross();
    int number = 0;
    for (const std::vector<int>& sprite : sprites(data)) {
        int top = std::numeric_limits<int>::max(), left = std::numeric_limits<int>::max();
        int bottom = 0, right = 0;
        // Hidden tiles place the corner but are not listed.
        for (int b : sprite) {
            const int y = b / rowBytes * data.tileHeight();
            const int x = b % rowBytes * data.tileWidth() / 2;
            top = std::min(top, y);
            left = std::min(left, x);
            if (data.name(b / 2) != hiddenName) {
                bottom = std::max(bottom, y);
                right = std::max(right, x);
            }
        }
        for (const auto& [axis, offset] : {std::pair{"Y", bottom - top}, {"X", right - left}})
            if (offset > 0xFF)
                return "sprite " + std::to_string(number) + " has a tile at " + axis + " offset " +
                       std::to_string(offset) + " (" +
                       AsmText::hex(static_cast<std::uint32_t>(offset)) +
                       "), but a sprite line holds one byte";
        ++number;
    }
    return {};
}

} // namespace kadro
