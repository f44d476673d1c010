#pragma once
// One character written as UTF-8, the plain way, for the tests and the decoder's model.

#include <string>

inline std::string Utf8(char32_t c) {
    if (c < 0x80) {
        return std::string(1, static_cast<char>(c));
    }
    const int extra = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    std::string s(1, static_cast<char>((0xFF00 >> (extra + 1)) | (c >> (6 * extra))));
    for (int i = extra - 1; i >= 0; --i) {
        s += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
    }
    return s;
}
