#pragma once
// Number text: the sheet keeps every value as text in German notation
// ("2,75", "-1", "1.400,5" when read), whatever the system locale is.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace forms {

class TextField;
class ListBox;

// Raised when a field that must hold a number holds something else.
// The dispatcher reports it to the user, naming the field.
class NotANumber : public std::runtime_error {
public:
    NotANumber(std::string field, std::string text);
    const std::string& field() const { return field_; }
    const std::string& text() const { return text_; }

private:
    std::string field_;
    std::string text_;
};

namespace number {

// Strict reading: optional blanks around, optional sign, digits with an
// optional decimal comma; a point is accepted only as a thousands separator
// between groups of three digits. "", "-", "XX" and "16 Stufen" are no numbers.
std::optional<double> parse(std::string_view text);

// At most 15 significant digits, no trailing zeros, decimal comma, never "-0".
std::string format(double value);

// Reads a field as a number; throws NotANumber naming the field.
double read(const TextField& field);
double read(const ListBox& list);

// "Read as a truth value": any number but 0 is true. Throws like read().
bool truth(const TextField& field);
bool truth(const ListBox& list);

// Read, add, write back.
void add(TextField& field, double amount);

}  // namespace number
}  // namespace forms
