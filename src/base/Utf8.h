#pragma once

#include <string>
#include <string_view>

namespace quelvar::utf8 {

// Captions and paths are UTF-8; the window's rules count characters, not
// bytes.
inline bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

inline std::size_t length(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        n += !continuation(c);
    return n;
}

// s without its first `front` characters (empty when it has fewer).
inline std::string dropFront(std::string_view s, std::size_t front) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < front && i < s.size(); ++k) {
        ++i;
        while (i < s.size() && continuation(static_cast<unsigned char>(s[i])))
            ++i;
    }
    return std::string(s.substr(i));
}

// s without its last `back` characters; the caller checks the length first.
inline std::string dropBack(std::string_view s, std::size_t back) {
    std::size_t i = s.size();
    for (std::size_t k = 0; k < back && i > 0; ++k) {
        --i;
        while (i > 0 && continuation(static_cast<unsigned char>(s[i])))
            --i;
    }
    return std::string(s.substr(0, i));
}

} // namespace quelvar::utf8
