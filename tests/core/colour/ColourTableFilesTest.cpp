#include "RunCli.h"

#include "colour/ColorTables.h"
#include "common/ByteIo.h"
#include "common/FileIo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

using namespace kadro;

namespace {

std::string shipped(const char* name) {
    return std::string(KADRO_BIN_DIR) + "/" + name;
}

std::vector<std::uint8_t> shippedFile(const char* name) {
    auto bytes = fileio::readFile(shipped(name));
    EXPECT_TRUE(bytes) << name << " is missing beside the programs";
    return bytes.value_or(std::vector<std::uint8_t>{});
}

// The fingerprint as the coreutils tool prints it for the first `bytes` bytes of the file.
std::string sha256Of(const std::string& path, std::size_t bytes) {
    const std::string command =
        "head -c " + std::to_string(bytes) + " " + test::shellQuote(path) + " | sha256sum";
    std::FILE* pipe = popen(command.c_str(), "r");
    char hex[65] = {};
    const bool read = pipe && std::fread(hex, 1, 64, pipe) == 64;
    if (pipe)
        pclose(pipe);
    return read ? hex : "";
}

} // namespace

TEST(ShippedHslTable, MatchesTheHardwareModel) {
    const auto bytes = shippedFile(hslTableFileName);
    ASSERT_EQ(bytes.size(), hslTableBytes);
    EXPECT_EQ(sha256Of(shipped(hslTableFileName), hslTableBytes),
              "ed1ad497e2082a268c54b565b59cc4b8ef3f67283492eb2e80f2312be1e0c39e");

    auto at = [&](unsigned code) { return bytes::readU32(bytes, code * 4); };
    const std::vector<std::pair<unsigned, Colour>> reference{
        {0x0330, 0x00FFFFFF}, {0x0200, 0x00696969}, {0x2201, 0x00FF7315},
        {0x2204, 0x00FF1BCB}, {0x2207, 0x000060BE}, {0x220A, 0x0000B808},
        {0x120D, 0x00343434}, {0x0030, 0x00000000}, {0x0300, 0x00D3D3D3}};
    for (auto [code, colour] : reference)
        EXPECT_EQ(at(code), colour) << std::hex << code;

    std::set<Colour> distinct;
    for (unsigned code = 0; code < hslTableEntries; ++code) {
        if (code & 0xC0C0) {
            ASSERT_EQ(at(code), 0xFFFFFFFFu) << std::hex << code;
            continue;
        }
        ASSERT_LE(at(code), 0xFFFFFFu) << std::hex << code;
        if ((code & 0xF) >= 14) {
            EXPECT_EQ(at(code), 0u) << "phases 14 and 15 are black: " << std::hex << code;
        }
        distinct.insert(at(code));
    }
    EXPECT_EQ(distinct.size(), 2540u);
}

TEST(ShippedOldPalette, MatchesTheHardwareModel) {
    const auto bytes = shippedFile(nesPaletteFileName);
    ASSERT_GE(bytes.size(), nesPaletteBytes);
    const std::vector<std::uint8_t> records(bytes.begin(), bytes.begin() + nesPaletteBytes);
    EXPECT_EQ(sha256Of(shipped(nesPaletteFileName), nesPaletteBytes),
              "62c8ba32d054889a5b59c4ae8baf8170cf99b5e56df2dee1ef15ae8dc6775df8");
    const std::vector<std::uint8_t> start{0x80, 0x80, 0x80, 0x1E, 0x50, 0x9D,
                                          0x3C, 0x3C, 0xB9, 0x5D, 0x2B, 0xB7};
    EXPECT_TRUE(std::equal(start.begin(), start.end(), records.begin()));
    auto entry = [&](std::size_t i) {
        return makeColour(records[3 * i], records[3 * i + 1], records[3 * i + 2]);
    };
    EXPECT_EQ(entry(0x20), 0x00FFFFFFu);
    for (std::size_t i : {0x0D, 0x0E, 0x0F})
        EXPECT_EQ(entry(i), 0u) << i;
}
