#pragma once
// The fourteen weapon classes: key, page-1 caption, base FKE and DP.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ferrolith {

struct WeaponClass {
    const char* key;      // compared exactly everywhere
    const char* caption;  // display text of page 1's option button, never parsed
    double fke;
    int dp;
};

inline constexpr std::array<WeaponClass, 14> weaponClasses{{
    {"Holdout Pistole", "Hold-Out Pistole                ( FKE: 1  |  DP: 25 )", 1, 25},
    {"Leichte Pistole", "Leichte Pistole                  ( FKE: 1.5  |  DP: 90 )", 1.5, 90},
    {"Automatische Pistole", "Automatische Pistole        ( FKE: 1  |  DP: 180 )", 1, 180},
    {"Schwere Pistole", "Schwere Pistole               ( FKE: 2  |  DP: 120 )", 2, 120},
    {"Maschinenpistole", "Maschinenpistole             ( FKE: 1.5  |  DP: 100 )", 1.5, 100},
    {"Schrotflinte", "Schrotflinte                       ( FKE: 2,5  |  DP:130 )", 2.5, 130},
    {"Taser", "Taser                                ( FKE: 1  |  DP:200 )", 1, 200},
    {"Sportgewehr", "Sportgewehr                     ( FKE: 2,5  |  DP:125 )", 2.5, 125},
    {"Sturmgewehr", "Sturmgewehr                     ( FKE: 3  |  DP:225 )", 3, 225},
    {"Scharfschützengewehr", "Scharfschützengewehr     ( FKE: 2,5  |  DP:800 )", 2.5, 800},
    {"LMG", "LMG                                  ( FKE: 4  |  DP:425 )", 4, 425},
    {"MMG", "MMG                                 ( FKE: 4  |  DP:700 )", 4, 700},
    {"SMG", "SMG                                 ( FKE: 4  |  DP:1000 )", 4, 1000},
    {"Sturmkanone", "Sturmkanone                    ( FKE: 4  |  DP:1400 )", 4, 1400},
}};

// The class of a key, or nothing for any other text (compared exactly).
const WeaponClass* findClass(std::string_view key);
// Position 0..13 of a key in the table, or -1.
int classIndex(std::string_view key);

}  // namespace ferrolith
