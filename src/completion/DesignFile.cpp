#include "completion/DesignFile.h"

#include "completion/Cp1252.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ferrolith::designfile {

namespace fs = std::filesystem;

std::string encode(std::span<const std::string> lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += cp1252::fromUtf8(line);
        bytes += "\r\n";
    }
    return bytes;
}

namespace {

std::string reasonOf(std::error_code ec) {
    using std::errc;
    if (ec == errc::permission_denied || ec == errc::operation_not_permitted) return "Zugriff verweigert";
    if (ec == errc::no_such_file_or_directory) return "Der Ordner existiert nicht";
    if (ec == errc::not_a_directory) return "Ein Teil des Pfades ist kein Ordner";
    if (ec == errc::is_a_directory || ec == errc::directory_not_empty) return "Unter diesem Namen steht ein Ordner";
    if (ec == errc::no_space_on_device) return "Auf dem Datenträger ist kein Platz mehr frei";
    if (ec == errc::file_too_large) return "Die Datei ist zu groß";
    if (ec == errc::read_only_file_system) return "Der Datenträger ist schreibgeschützt";
    if (ec == errc::filename_too_long) return "Der Dateiname ist zu lang";
    if (ec == errc::io_error) return "Fehler beim Schreiben auf den Datenträger";
    if (ec == errc::too_many_symbolic_link_levels) return "Die Verknüpfung führt im Kreis";
    // Any other cause gets the general German reason: the message shows no
    // English text of the system.
    return "Die Datei ließ sich nicht schreiben";
}

// The error of the last failed system call; an input/output error when the
// call left no cause behind.
std::error_code lastError() {
    if (errno == 0) return std::make_error_code(std::errc::io_error);
    return {errno, std::generic_category()};
}

fs::path pathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// As many links in a row as Linux itself follows before it gives up.
constexpr int maxLinkHops = 40;

// The file `name` finally stands for: the name itself, or where its chain of
// symbolic links ends, even when nothing exists there yet. A relative link
// target counts from the folder that holds the link.
std::error_code followLinks(fs::path& name) {
    for (int hop = 0; hop < maxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(name.c_str(), &st) != 0) {
            // Nothing under this name yet: the save creates it here.
            if (errno == ENOENT) return {};
            return lastError();
        }
        if (!S_ISLNK(st.st_mode)) return {};
        std::error_code ec;
        const fs::path to = fs::read_symlink(name, ec);
        if (ec) return ec;
        name = to.is_absolute() ? to : name.parent_path() / to;
    }
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

std::error_code writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        errno = 0;
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return lastError();
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Puts the written bytes on the disk before the file counts as saved. A file
// system that cannot do this (EINVAL) is not a failure of the save.
std::error_code syncToDisk(int fd) {
    if (::fsync(fd) != 0 && errno != EINVAL) return lastError();
    return {};
}

// Writes the bytes to the open file, syncs and closes it; the first failure
// counts.
std::error_code writeAndClose(int fd, std::string_view bytes) {
    std::error_code failure = writeAll(fd, bytes);
    if (!failure) failure = syncToDisk(fd);
    if (::close(fd) != 0 && !failure) failure = lastError();
    return failure;
}

// Creates a new file beside `file` under a name no file has yet; O_EXCL makes
// sure it is ours and not something that appeared under that name meanwhile.
// `mode` is narrowed by the umask.
std::error_code createTemporary(const fs::path& file, mode_t mode, fs::path& temporary, int& fd) {
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
        fs::path candidate = file;
        candidate += ".~";
        candidate += suffix;
        candidate += ".tmp";
        fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            temporary = std::move(candidate);
            return {};
        }
        if (errno != EEXIST) return lastError();
    }
    return std::make_error_code(std::errc::file_exists);
}

// Overwrites the existing file itself, for a folder that takes no new file.
// This is not atomic: a failure after the truncation leaves the file short or
// empty. The open does not truncate, so a refused open leaves the file as it
// was; only once it is open is the old content cut away.
std::error_code writeInPlace(const fs::path& file, std::string_view bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return lastError();
    if (::ftruncate(fd, 0) != 0) {
        const std::error_code failure = lastError();
        ::close(fd);
        return failure;
    }
    return writeAndClose(fd, bytes);
}

bool refused(std::error_code ec) {
    return ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted;
}

std::optional<std::string> outcome(std::error_code failure) {
    if (failure) return reasonOf(failure);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> save(const std::string& path, std::string_view bytes) {
    fs::path file = pathOf(path);
    // The links stay; the design goes where they lead.
    if (const std::error_code failure = followLinks(file)) return reasonOf(failure);

    struct stat old {};
    const bool exists = ::stat(file.c_str(), &old) == 0;
    if (!file.has_filename() || (exists && S_ISDIR(old.st_mode)))
        return reasonOf(std::make_error_code(std::errc::is_a_directory));
    // The temporary file starts with no more rights than the old file had
    // (the umask can only take some away) and gets exactly its bits below,
    // before any byte of the design is in it.
    const mode_t mode = exists ? (old.st_mode & 07777) : 0666;

    fs::path temporary;
    int fd = -1;
    if (const std::error_code failure = createTemporary(file, mode, temporary, fd)) {
        if (exists && S_ISREG(old.st_mode) && refused(failure)) return outcome(writeInPlace(file, bytes));
        return reasonOf(failure);
    }
    std::error_code failure;
    if (exists && ::fchmod(fd, mode) != 0) {
        failure = lastError();
        ::close(fd);
    } else {
        failure = writeAndClose(fd, bytes);
    }
    if (!failure && ::rename(temporary.c_str(), file.c_str()) != 0) failure = lastError();
    if (failure) {
        ::unlink(temporary.c_str());
        return reasonOf(failure);
    }
    return std::nullopt;
}

}  // namespace ferrolith::designfile
