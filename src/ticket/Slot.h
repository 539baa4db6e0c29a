#pragma once

#include <string>
#include <string_view>

namespace quelvar {

// One number or star slot of the ticket. A slot is free, holds a text (a cell
// caption or a line read from a file) or holds a number (put there by the
// random draw). Every comparison goes through the text form, so the number 7
// equals the caption "7" and the empty text counts as free.
class Slot {
public:
    enum class Kind { Free, Text, Number };

    Slot() = default;
    static Slot text(std::string value) { return Slot(Kind::Text, std::move(value), 0); }
    static Slot number(int value) { return Slot(Kind::Number, {}, value); }

    Kind kind() const { return kind_; }
    std::string str() const { return kind_ == Kind::Number ? std::to_string(number_) : text_; }
    bool isFree() const { return kind_ == Kind::Free || (kind_ == Kind::Text && text_.empty()); }
    bool matches(std::string_view caption) const { return str() == caption; }

    // Assigning "" is how the program empties a slot; it stays a text, as in
    // the original variant, but counts as free.
    Slot& operator=(std::string value) {
        *this = text(std::move(value));
        return *this;
    }

    friend bool operator==(const Slot& a, const Slot& b) { return a.str() == b.str(); }

private:
    Slot(Kind kind, std::string text, int number) : kind_(kind), text_(std::move(text)), number_(number) {}

    Kind kind_ = Kind::Free;
    std::string text_;
    int number_ = 0;
};

} // namespace quelvar
