#include "Sha256.h"

#include "colour/ColorTables.h"
#include "common/ByteIo.h"
#include "common/FileIo.h"

#include <gtest/gtest.h>

#include <set>

using namespace kadro;

namespace {

std::vector<std::uint8_t> shippedFile(const char* name) {
    auto bytes = fileio::readFile(std::string(KADRO_BIN_DIR) + "/" + name);
    EXPECT_TRUE(bytes) << name << " is missing beside the programs";
    return bytes.value_or(std::vector<std::uint8_t>{});
}

std::string hexOf(const std::string& text) {
    return test::sha256Hex(
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace

TEST(Sha256, KnownDigests) {
    EXPECT_EQ(hexOf(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(hexOf("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // Two blocks: the length lands in a block of its own.
    EXPECT_EQ(hexOf("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

TEST(ShippedHslTable, MatchesTheHardwareModel) {
    const auto bytes = shippedFile(hslTableFileName);
    ASSERT_EQ(bytes.size(), hslTableBytes);
    EXPECT_EQ(test::sha256Hex(bytes),
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
    EXPECT_EQ(test::sha256Hex(records),
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
