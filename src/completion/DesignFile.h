#pragma once
// The saved design file: lines in Windows-1252, each ended by CR LF, written
// so that a failed save neither leaves half a file nor destroys the old one
// wherever the folder allows it, and so that the save keeps what the user set
// up around the file: its symbolic links and its permission bits.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ferrolith::designfile {

// The bytes of a file of these lines (UTF-8 text in, Windows-1252 out).
std::string encode(std::span<const std::string> lines);

// Saves the bytes under `path`. A symbolic link (or a chain of them) is
// followed to the file it finally names, which need not exist yet; the links
// stay as they are. The bytes go to a temporary file beside that file, which
// gets the old file's permission bits (a new file gets 0666 less the umask)
// and is renamed over it. Only when the folder refuses the temporary file and
// the old file is writable is that file overwritten in place, which is not
// atomic.
// Returns nothing on success, or the reason of the failure in German. A
// failure before the first byte is written leaves an earlier file at `path`
// as it was, and no temporary file is left behind.
std::optional<std::string> save(const std::string& path, std::string_view bytes);

}  // namespace ferrolith::designfile
