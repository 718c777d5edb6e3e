// The saved file's code page and its safe writing: the Windows-1252 bytes of
// the characters a German design uses, replacing an old file completely,
// saving through symbolic links, keeping permission bits, writing in place in
// a folder that takes no new file, and failures that leave no stray file
// behind. Page 6's tests cover the whole file and a write that breaks off.

#include "WalkHelpers.h"

#include "completion/Cp1252.h"
#include "completion/DesignFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace ferrolith;

namespace {

using walk::readBytes;

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The permission bits of a file in octal, as `ls -l` users know them.
std::string modeOf(const fs::path& path) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%o", static_cast<unsigned>(fs::status(path).permissions()));
    return digits;
}

// The exit code of a child that could not give up root.
constexpr int cannotDropRoot = 77;

// Runs `body` where file permissions apply and returns its result. Root
// ignores them, so as root `body` runs in a child process that has become the
// user `nobody`, who is given `owned` beforehand; the child reports through
// its exit code. Nothing when that user cannot be had.
std::optional<int> runWithoutRoot(const std::vector<fs::path>& owned, const std::function<int()>& body) {
    if (::geteuid() != 0) return body();
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody) return std::nullopt;
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    for (const fs::path& path : owned)
        if (::chown(path.c_str(), uid, gid) != 0) return std::nullopt;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) ::_exit(cannotDropRoot);
        if (::access(owned.front().c_str(), X_OK) != 0) ::_exit(cannotDropRoot);
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    if (WEXITSTATUS(status) == cannotDropRoot) return std::nullopt;
    return WEXITSTATUS(status);
}

class DesignFileWrite : public ::testing::Test {
protected:
    std::vector<std::string> entries(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::string> entries() const { return entries(dir); }

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
    ASSERT_FALSE(designfile::save(target.string(), "eine lange erste Fassung\r\n"));
    EXPECT_EQ(readBytes(target), "eine lange erste Fassung\r\n");
    ASSERT_FALSE(designfile::save(target.string(), "kurz\r\n"));
    EXPECT_EQ(readBytes(target), "kurz\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"entwurf.txt"});
}

TEST_F(DesignFileWrite, MissingFolderIsReportedAndLeavesNothing) {
    const auto failure = designfile::save((dir / "fehlt" / "entwurf.txt").string(), "x");
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, "Der Ordner existiert nicht");
    EXPECT_TRUE(entries().empty());
}

TEST_F(DesignFileWrite, FolderInPlaceOfTheFileIsReportedAndKept) {
    fs::create_directory(dir / "entwurf.txt");
    writeBytes(dir / "entwurf.txt" / "innen.txt", "bleibt");
    const auto failure = designfile::save((dir / "entwurf.txt").string(), "x");
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, "Unter diesem Namen steht ein Ordner");
    EXPECT_EQ(readBytes(dir / "entwurf.txt" / "innen.txt"), "bleibt");
    EXPECT_EQ(entries(), std::vector<std::string>{"entwurf.txt"});
}

TEST_F(DesignFileWrite, SavesThroughLinksIntoTheFileTheyLeadTo) {
    // A chain: an absolute link to a link in a subfolder, whose relative
    // target counts from that subfolder.
    fs::create_directory(dir / "unter");
    writeBytes(dir / "ziel.txt", "alt\r\n");
    fs::create_symlink("../ziel.txt", dir / "unter" / "zwischen");
    fs::create_symlink(dir / "unter" / "zwischen", dir / "entwurf.txt");
    ASSERT_EQ(designfile::save((dir / "entwurf.txt").string(), "neu\r\n"), std::nullopt);
    EXPECT_EQ(readBytes(dir / "ziel.txt"), "neu\r\n");
    EXPECT_TRUE(fs::is_symlink(dir / "entwurf.txt"));
    EXPECT_TRUE(fs::is_symlink(dir / "unter" / "zwischen"));

    // A link to a file that does not exist yet creates that file.
    fs::create_symlink("unter/neu.txt", dir / "verweis.txt");
    ASSERT_EQ(designfile::save((dir / "verweis.txt").string(), "neu\r\n"), std::nullopt);
    EXPECT_EQ(readBytes(dir / "unter" / "neu.txt"), "neu\r\n");
    EXPECT_TRUE(fs::is_symlink(dir / "verweis.txt"));

    // Links in a circle lead nowhere.
    fs::create_symlink("kreis-b", dir / "kreis-a");
    fs::create_symlink("kreis-a", dir / "kreis-b");
    EXPECT_EQ(designfile::save((dir / "kreis-a").string(), "x"), "Die Verknüpfung führt im Kreis");

    EXPECT_EQ(entries(), (std::vector<std::string>{"entwurf.txt", "kreis-a", "kreis-b", "unter", "verweis.txt",
                                                   "ziel.txt"}));
    EXPECT_EQ(entries(dir / "unter"), (std::vector<std::string>{"neu.txt", "zwischen"}));
}

TEST_F(DesignFileWrite, KeepsThePermissionBitsOfTheOldFile) {
    struct Umask {
        mode_t before = ::umask(027);
        ~Umask() { ::umask(before); }
    } umask027;
    const fs::path target = dir / "entwurf.txt";
    // The umask would take bits of 664 away from a new file; the old file keeps them.
    for (const char* mode : {"600", "664"}) {
        writeBytes(target, "alt\r\n");
        fs::permissions(target, fs::perms(std::stoi(mode, nullptr, 8)));
        ASSERT_EQ(designfile::save(target.string(), "neu\r\n"), std::nullopt);
        EXPECT_EQ(readBytes(target), "neu\r\n");
        EXPECT_EQ(modeOf(target), mode);
    }

    // A new file gets what the umask leaves of 666.
    ASSERT_EQ(designfile::save((dir / "neu.txt").string(), "neu\r\n"), std::nullopt);
    EXPECT_EQ(modeOf(dir / "neu.txt"), "640");
}

TEST_F(DesignFileWrite, WritesInPlaceInAFolderThatTakesNoNewFile) {
    const fs::path folder = dir / "nurlesen";
    const fs::path target = folder / "entwurf.txt";
    fs::create_directory(folder);
    writeBytes(target, "eine lange alte Fassung\r\n");
    fs::permissions(dir, fs::perms(0755));
    fs::permissions(folder, fs::perms(0555));

    const auto result = runWithoutRoot({folder, target}, [&] {
        if (designfile::save(target.string(), "neu\r\n")) return 1;
        // A file that is read-only as well is refused and keeps its content.
        if (::chmod(target.c_str(), 0444) != 0) return 2;
        return designfile::save(target.string(), "verweigert\r\n") == "Zugriff verweigert" ? 0 : 3;
    });
    fs::permissions(folder, fs::perms(0755));
    if (!result) GTEST_SKIP() << "Needs a user without root rights: as root the user nobody, which is missing or "
                                 "cannot be switched to here";

    EXPECT_EQ(*result, 0);
    EXPECT_EQ(readBytes(target), "neu\r\n");
    EXPECT_EQ(entries(folder), std::vector<std::string>{"entwurf.txt"});
}
