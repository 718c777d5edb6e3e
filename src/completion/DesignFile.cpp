#include "completion/DesignFile.h"

#include "completion/Cp1252.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

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
    if (ec) return ec.message();
    return "Die Datei ließ sich nicht schreiben";
}

// The error of the last failed stream or C library call; an input/output
// error when the library left no cause behind.
std::error_code lastError() {
    if (errno == 0) return std::make_error_code(std::errc::io_error);
    return {errno, std::generic_category()};
}

fs::path pathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// A name beside the target that no file has yet.
std::optional<fs::path> freeTemporaryName(const fs::path& target) {
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
        fs::path candidate = target;
        candidate += ".~";
        candidate += suffix;
        candidate += ".tmp";
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec))) return candidate;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> writeReplacing(const std::string& path, std::string_view bytes) {
    const fs::path target = pathOf(path);
    if (!target.has_filename()) return reasonOf(std::make_error_code(std::errc::is_a_directory));
    const auto temporary = freeTemporaryName(target);
    if (!temporary) return reasonOf(std::make_error_code(std::errc::file_exists));

    std::error_code failure;
    {
        errno = 0;
        std::ofstream out(*temporary, std::ios::binary | std::ios::trunc);
        if (!out) return reasonOf(lastError());
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (out) out.flush();
        if (out) out.close();
        if (!out) failure = lastError();
    }
    if (!failure) fs::rename(*temporary, target, failure);
    if (failure) {
        std::error_code ignored;
        fs::remove(*temporary, ignored);
        return reasonOf(failure);
    }
    return std::nullopt;
}

}  // namespace ferrolith::designfile
