#include "completion/Cp1252.h"

#include <array>

namespace ferrolith::cp1252 {

namespace {
// The characters of the bytes 0x80 to 0x9F; 0 where the code page has none.
constexpr std::array<char32_t, 32> upperControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};
constexpr char32_t replacement = 0xFFFD;
}  // namespace

std::optional<unsigned char> byteOf(char32_t c) {
    // Latin-1 minus the C1 controls maps one to one.
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < upperControls.size(); ++i)
        if (upperControls[i] != 0 && upperControls[i] == c) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::u32string decodeUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int follow = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            follow = 1, c = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            follow = 2, c = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            follow = 3, c = lead & 0x07, least = 0x10000;
        } else {
            out.push_back(replacement);
            ++i;
            continue;
        }
        bool valid = true;
        int taken = 0;
        for (; taken < follow; ++taken) {
            const std::size_t at = i + 1 + taken;
            if (at >= utf8.size() || (static_cast<unsigned char>(utf8[at]) & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            c = (c << 6) | (static_cast<unsigned char>(utf8[at]) & 0x3F);
        }
        if (!valid || c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            // Skip the lead byte and the continuation bytes read so far.
            out.push_back(replacement);
            i += 1 + taken;
            continue;
        }
        out.push_back(c);
        i += 1 + follow;
    }
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char32_t c : decodeUtf8(utf8)) {
        const auto byte = byteOf(c);
        out.push_back(static_cast<char>(byte ? *byte : '?'));
    }
    return out;
}

}  // namespace ferrolith::cp1252
