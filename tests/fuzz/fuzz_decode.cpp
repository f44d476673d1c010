// Wheel files of any bytes: the decoder against a plain model. Valid UTF-8
// comes back unchanged less its byte-order mark, UTF-16 as decoded here unit
// by unit, a file marked as UTF-8 that is not refused with its line and byte,
// anything else byte for byte as Latin-1.

#include "fuzz_check.h"
#include "utf8.h"
#include "wheel_file.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

using namespace quorvex;

namespace {

// Decodes every character and checks its value, rather than its bytes' shapes.
bool ValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t n = b < 0x80       ? 1
                              : b >> 5 == 6  ? 2
                              : b >> 4 == 14 ? 3
                              : b >> 3 == 30 ? 4
                                             : 0;
        if (n == 0 || i + n > s.size()) {
            return false;
        }
        char32_t c = n == 1 ? b : b & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if (next >> 6 != 2) {
                return false;
            }
            c = c << 6 | (next & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < least[n] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
            return false;
        }
        i += n;
    }
    return true;
}

// The text, or why there is none.
struct Decoded {
    std::string text;
    std::string problem;
};

Decoded Model(std::string_view bytes) {
    const bool le = bytes.starts_with("\xFF\xFE"), be = bytes.starts_with("\xFE\xFF");
    if (bytes.empty() || ((le || be) && bytes.size() == 2) || bytes == "\xEF\xBB\xBF") {
        return {{}, "the file is empty"};
    }
    Decoded out;
    if (le || be) {
        std::vector<char32_t> units;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const auto a = static_cast<unsigned char>(bytes[i]);
            const auto b = static_cast<unsigned char>(bytes[i + 1]);
            units.push_back(be ? (a << 8 | b) : (b << 8 | a));
        }
        for (std::size_t i = 0; i < units.size(); ++i) {
            const char32_t u = units[i];
            if (u == 0) {
                return {{}, "is not a text file"};
            }
            const bool high = u >= 0xD800 && u < 0xDC00;
            if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
                out.text += Utf8(0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00));
                ++i;
            } else {
                out.text += Utf8(u >= 0xD800 && u < 0xE000 ? 0xFFFD : u);
            }
        }
        if (bytes.size() % 2 != 0) {
            out.text += Utf8(0xFFFD);
        }
        return out;
    }
    if (bytes.find('\0') != std::string_view::npos) {
        return {{}, "is not a text file"};
    }
    if (ValidUtf8(bytes)) {
        return {std::string(bytes.substr(bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0)), {}};
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        // The longest valid start, a character at a time; the next byte is the one at fault.
        std::size_t good = 0;
        for (std::size_t end = 1; end <= bytes.size(); ++end) {
            if (ValidUtf8(bytes.substr(0, end))) {
                good = end;
            } else if (end - good >= 4) {
                break;
            }
        }
        std::size_t line = 1;
        for (std::size_t i = 0; i < good; ++i) {
            line += bytes[i] == '\n';
        }
        char byte[3];
        std::snprintf(byte, sizeof byte, "%02X", static_cast<unsigned char>(bytes[good]));
        return {{},
                "line " + std::to_string(line) + " holds the byte " + byte +
                    ", which is not UTF-8, though the file is marked as UTF-8"};
    }
    for (char c : bytes) {
        out.text += Utf8(static_cast<unsigned char>(c));
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const WheelFileText got = DecodeWheelText(bytes);
    const Decoded want = Model(bytes);
    Check((got.refusal ? got.refusal->reason : "") == want.problem, "the problem");
    Check(got.text == want.text, "the text");
    return 0;
}
