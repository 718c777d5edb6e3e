#pragma once
// The saved design file: lines in Windows-1252, each ended by CR LF, written
// so that a failed save neither leaves half a file nor destroys the old one.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ferrolith::designfile {

// The bytes of a file of these lines (UTF-8 text in, Windows-1252 out).
std::string encode(std::span<const std::string> lines);

// Writes the bytes to a temporary file beside `path` and renames it over
// `path`. Returns nothing on success, or the reason of the failure in German;
// then the temporary file is removed and an earlier file at `path` is intact.
std::optional<std::string> writeReplacing(const std::string& path, std::string_view bytes);

}  // namespace ferrolith::designfile
