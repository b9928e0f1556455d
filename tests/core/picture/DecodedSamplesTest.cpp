// The BMP and PNG samples of tests/data/decode (made by make.sh there: every bit depth, colour
// table, bit-field, run-length, interlaced, transparent and gamma variant) read through the
// format modules and through the same decoders carried inside the program (kadro-cli's road),
// compared with the digests of the pictures accepted for them.
//
// After an intended change, run with KADRO_UPDATE_DECODED=1 to rewrite the digests.

#include "RecordingUserInterface.h"
#include "RunCli.h"
#include "Sha256.h"
#include "TempDir.h"

#include "Decoders.h"
#include "common/FileIo.h"
#include "picture/FormatModule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kadro;
namespace fs = std::filesystem;

namespace {

const fs::path sampleDir = fs::path(KADRO_TEST_DATA_DIR) / "decode";
const std::string manifestPath = (sampleDir / "pixels.sha256").string();

std::vector<fs::path> samples() {
    std::vector<fs::path> out;
    for (const auto& entry : fs::directory_iterator(sampleDir))
        if (entry.path().extension() == ".bmp" || entry.path().extension() == ".png")
            out.push_back(entry.path());
    std::sort(out.begin(), out.end());
    return out;
}

std::string digest(const std::optional<DibImage>& image) {
    if (!image)
        return "refused";
    const auto block = image->block();
    return test::sha256({reinterpret_cast<const char*>(block.data()), block.size()});
}

// The digest of the 24-bit picture the module gives, or "refused".
std::string decoded(const std::string& path) {
    test::RecordingUserInterface ui;
    return digest(loadPictureFile(KADRO_BIN_DIR, path, ui));
}

// The same through the decoder the program carries for the format.
std::string carried(const std::string& path) {
    const bool png = fs::path(path).extension() == ".png";
    return digest(FormatModuleLoader::decode(
        png ? modules::pngDecoder : modules::bmpDecoder, path));
}

} // namespace

TEST(DecodedSamples, EveryVariantGivesTheAcceptedPixels) {
    std::string actual;
    for (const auto& path : samples()) {
        const std::string got = decoded(path.string());
        EXPECT_EQ(carried(path.string()), got) << path.filename() << ": the two roads differ";
        actual += got + "  " + path.filename().string() + "\n";
    }
    if (std::getenv("KADRO_UPDATE_DECODED")) {
        ASSERT_TRUE(fileio::writeTextFile(manifestPath, actual, nullptr));
        GTEST_SKIP() << "wrote " << manifestPath;
    }
    std::map<std::string, std::string> want, got;
    for (auto [text, into] :
         {std::pair{test::slurp(manifestPath), &want}, std::pair{actual, &got}}) {
        std::istringstream lines(text);
        for (std::string digest, name; lines >> digest >> name;)
            (*into)[name] = digest;
    }
    ASSERT_FALSE(want.empty()) << manifestPath << " is missing";
    for (const auto& [name, digest] : got)
        EXPECT_EQ(digest, want[name]) << name;
    EXPECT_EQ(got.size(), want.size());
}

// A cut file is refused or, where the cut lost nothing the picture needs, gives the very same
// pixels: never a crash and never a half-made picture.
TEST(DecodedSamples, CutCopiesAreRefusedOrWhole) {
    test::TempDir dir;
    for (const auto& path : samples()) {
        const auto bytes = fileio::readFile(path.string());
        ASSERT_TRUE(bytes);
        const std::string whole = decoded(path.string());
        for (std::size_t keep = 0; keep < bytes->size(); keep += 1 + keep / 3) {
            const std::string cut = dir.file("cut" + path.extension().string());
            ASSERT_TRUE(fileio::writeFile(cut, {bytes->data(), keep}, nullptr));
            const std::string got = decoded(cut);
            EXPECT_TRUE(got == "refused" || got == whole)
                << path.filename() << " cut to " << keep << " bytes gave a different picture";
            EXPECT_EQ(carried(cut), got) << path.filename() << " cut to " << keep << " bytes";
        }
    }
}

#if defined(__SANITIZE_ADDRESS__)
#define KADRO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KADRO_ADDRESS_SANITIZER 1
#endif
#endif

// A PNG read must take no more than a small multiple of the file's own size. Each file is read
// in a child process whose address space is held to 64 MB above what it already has: a 240-byte
// file whose text chunk claims 1.9 GB is refused without reaching for them, and a 100 KB file
// whose compressed text would inflate to 100 MB still gives its picture, the text unread.
TEST(DecodedSamples, ChunksThatClaimHugeSizesTakeNoMemory) {
#ifdef KADRO_ADDRESS_SANITIZER
    GTEST_SKIP() << "the address sanitizer reserves more address space than any such cap";
#endif
    const fs::path limits = fs::path(KADRO_TEST_DATA_DIR) / "limits";
    for (const auto& [name, readable] :
         {std::pair{"huge-text.png", false}, std::pair{"text-bomb.png", true}}) {
        const std::string path = (limits / name).string();
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            long pages = 0;
            std::ifstream("/proc/self/statm") >> pages;
            const auto cap =
                static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) +
                (64u << 20);
            const rlimit limit{cap, cap};
            setrlimit(RLIMIT_AS, &limit);
            test::RecordingUserInterface ui;
            const auto image = loadPictureFile(KADRO_BIN_DIR, path, ui);
            const auto carriedImage = FormatModuleLoader::decode(modules::pngDecoder, path);
            const auto whole = [](const auto& i) {
                return i && i->width() == 4 && i->height() == 4;
            };
            // 2: the two roads disagree.
            if (whole(image) != whole(carriedImage))
                _exit(2);
            _exit(whole(image) ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << name << " ended the reading process";
        EXPECT_EQ(WEXITSTATUS(status), readable ? 0 : 1) << name;
    }
}
