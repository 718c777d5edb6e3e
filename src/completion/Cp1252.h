#pragma once
// Windows-1252, the code page of the saved design file: which characters it
// holds and the conversion of UTF-8 text into its bytes.

#include <optional>
#include <string>
#include <string_view>

namespace ferrolith::cp1252 {

// The byte of a character, or nothing when the code page cannot hold it.
std::optional<unsigned char> byteOf(char32_t c);

inline bool holds(char32_t c) { return byteOf(c).has_value(); }

// Converts UTF-8 text. A character the code page cannot hold, and a byte that
// is not valid UTF-8, become "?".
std::string fromUtf8(std::string_view utf8);

// Decodes UTF-8 into characters; an invalid byte becomes U+FFFD.
std::u32string decodeUtf8(std::string_view utf8);

}  // namespace ferrolith::cp1252
