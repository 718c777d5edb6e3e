// The saved file's code page and its safe writing: the Windows-1252 bytes of
// the characters a German design uses, replacing an old file completely, and
// failures that leave no stray file behind. Page 6's tests cover the whole
// file and a write that breaks off.

#include "WalkHelpers.h"

#include "completion/Cp1252.h"
#include "completion/DesignFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace ferrolith;

namespace {

using walk::readBytes;

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class DesignFileWrite : public ::testing::Test {
protected:
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
        return names;
    }

    walk::TempDir temp{"designfile"};
    const fs::path& dir = temp.path;
};

}  // namespace

TEST(DesignFileCp1252, HoldsLatin1AndTheWindowsCharacters) {
    EXPECT_EQ(cp1252::byteOf(U'A'), 0x41);
    EXPECT_EQ(cp1252::byteOf(U'ü'), 0xFC);
    EXPECT_EQ(cp1252::byteOf(U'Ä'), 0xC4);
    EXPECT_EQ(cp1252::byteOf(U'ß'), 0xDF);
    EXPECT_EQ(cp1252::byteOf(U'\u00A0'), 0xA0);
    EXPECT_EQ(cp1252::byteOf(U'€'), 0x80);
    EXPECT_EQ(cp1252::byteOf(U'„'), 0x84);
    EXPECT_EQ(cp1252::byteOf(U'“'), 0x93);
    EXPECT_EQ(cp1252::byteOf(U'–'), 0x96);
    EXPECT_EQ(cp1252::byteOf(U'™'), 0x99);
    EXPECT_EQ(cp1252::byteOf(U'ž'), 0x9E);
    EXPECT_EQ(cp1252::byteOf(U'Ÿ'), 0x9F);
}

TEST(DesignFileCp1252, RejectsWhatItCannotHold) {
    // C1 controls, the five unused bytes' code points, and anything beyond.
    for (char32_t c : {U'\u0080', U'\u0081', U'\u008D', U'\u009F', U'\u0100', U'Ω', U'中', U'\U0001F600'})
        EXPECT_FALSE(cp1252::holds(c)) << static_cast<unsigned>(c);
}

TEST(DesignFileCp1252, ConvertsUtf8AndMarksLostCharacters) {
    EXPECT_EQ(cp1252::fromUtf8("Rückstoßkompensation"), "R\xFC" "cksto\xDFkompensation");
    EXPECT_EQ(cp1252::fromUtf8("5 € – Ω"), "5 \x80 \x96 ?");
    // Broken UTF-8: a stray byte, an overlong form and a cut-off sequence.
    EXPECT_EQ(cp1252::fromUtf8("a\xFF" "b"), "a?b");
    EXPECT_EQ(cp1252::fromUtf8("a\xC0\xAF" "b"), "a?b");
    EXPECT_EQ(cp1252::fromUtf8("a\xE2\x82"), "a?");
}

TEST_F(DesignFileWrite, CreatesAndThenReplacesTheFileCompletely) {
    const fs::path target = dir / "entwurf.txt";
    ASSERT_FALSE(designfile::writeReplacing(target.string(), "eine lange erste Fassung\r\n"));
    EXPECT_EQ(readBytes(target), "eine lange erste Fassung\r\n");
    ASSERT_FALSE(designfile::writeReplacing(target.string(), "kurz\r\n"));
    EXPECT_EQ(readBytes(target), "kurz\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"entwurf.txt"});
}

TEST_F(DesignFileWrite, MissingFolderIsReportedAndLeavesNothing) {
    const auto failure = designfile::writeReplacing((dir / "fehlt" / "entwurf.txt").string(), "x");
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, "Der Ordner existiert nicht");
    EXPECT_TRUE(entries().empty());
}

TEST_F(DesignFileWrite, FolderInPlaceOfTheFileIsReportedAndKept) {
    fs::create_directory(dir / "entwurf.txt");
    writeBytes(dir / "entwurf.txt" / "innen.txt", "bleibt");
    const auto failure = designfile::writeReplacing((dir / "entwurf.txt").string(), "x");
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, "Unter diesem Namen steht ein Ordner");
    EXPECT_EQ(readBytes(dir / "entwurf.txt" / "innen.txt"), "bleibt");
    EXPECT_EQ(entries(), std::vector<std::string>{"entwurf.txt"});
}
