#include "forms/Number.h"

#include "forms/Controls.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace forms {

NotANumber::NotANumber(std::string field, std::string text)
    : std::runtime_error("field '" + field + "' holds no number: '" + text + "'"),
      field_(std::move(field)),
      text_(std::move(text)) {}

namespace number {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::optional<double> parse(std::string_view text) {
    // Trim blanks on both sides.
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    std::string plain;  // the number in C notation
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    // Integer part, with optional thousands points between groups of three.
    std::size_t intDigits = 0;
    std::size_t groupDigits = 0;
    bool sawPoint = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (isDigit(c)) {
            plain += c;
            ++intDigits;
            ++groupDigits;
        } else if (c == '.') {
            if (intDigits == 0 || (sawPoint && groupDigits != 3) || (!sawPoint && groupDigits > 3))
                return std::nullopt;
            sawPoint = true;
            groupDigits = 0;
        } else {
            break;
        }
    }
    if (sawPoint && groupDigits != 3) return std::nullopt;
    std::size_t fracDigits = 0;
    if (i < text.size() && text[i] == ',') {
        plain += '.';
        ++i;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            plain += text[i];
            ++fracDigits;
        }
    }
    if (i != text.size() || intDigits + fracDigits == 0) return std::nullopt;
    return std::strtod(plain.c_str(), nullptr);
}

std::string format(double value) {
    if (!std::isfinite(value)) return "0";
    // Sheet amounts have few decimals; rounding to nine decimals first keeps the
    // residue of binary arithmetic (0.1 + 0.2 - 0.3) from ever showing.
    if (std::fabs(value) < 1e15) value = std::round(value * 1e9) / 1e9;
    if (value == 0.0) return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text(buffer);
    for (char& c : text)
        if (c == '.') c = ',';
    if (text == "-0") return "0";
    return text;
}

double read(const TextField& field) {
    auto value = parse(field.text());
    if (!value) throw NotANumber(field.name(), field.text());
    return *value;
}

double read(const ListBox& list) {
    auto value = parse(list.text());
    if (!value) throw NotANumber(list.name(), list.text());
    return *value;
}

bool truth(const TextField& field) { return read(field) != 0.0; }
bool truth(const ListBox& list) { return read(list) != 0.0; }

void add(TextField& field, double amount) { field.setText(format(read(field) + amount)); }

}  // namespace number
}  // namespace forms
