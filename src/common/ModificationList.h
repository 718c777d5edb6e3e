#pragma once
// The list of chosen modifications: "Rahmen" followed by the current phrases of
// pages 2 to 5 in page order. Each page's forward action replaces its own
// phrases, so going back and forward again never lists an option twice.

#include <array>
#include <string>

namespace ferrolith {

class ModificationList {
public:
    static constexpr const char* start = "Rahmen";

    // page is 2, 3, 4 or 5.
    void setPhrases(int page, std::string phrases) { phrases_.at(page - 2) = std::move(phrases); }
    const std::string& phrases(int page) const { return phrases_.at(page - 2); }
    void clear() { phrases_ = {}; }

    std::string text() const {
        std::string t = start;
        for (const auto& p : phrases_) t += p;
        return t;
    }

private:
    std::array<std::string, 4> phrases_;
};

}  // namespace ferrolith
