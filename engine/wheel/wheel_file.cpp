// Decoding a wheel file's bytes into UTF-8 text, and reading the file safely.
#include "wheel_file.h"

#include "parse_matrix.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quorvex {

namespace {

constexpr char kNotText[] = "is not a text file";

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

WheelFileText FromUtf16(std::string_view bytes, bool bigEndian) {
    WheelFileText file;
    file.text.reserve(bytes.size() / 2);
    auto unit = [&](std::size_t i) -> char32_t {
        const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
        const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
        return static_cast<char32_t>(hi << 8 | lo);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c == 0) {
            return {{}, Refusal{kNotText}};
        }
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD; // half a pair
        }
        AppendUtf8(file.text, c);
    }
    if (bytes.size() % 2 != 0) {
        AppendUtf8(file.text, 0xFFFD); // half a unit at the end
    }
    return file;
}

// Where the bytes stop being UTF-8, or npos.
std::size_t FirstNonUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = Utf8Length(bytes.substr(i));
        if (length == 0) {
            return i;
        }
        i += length;
    }
    return std::string_view::npos;
}

// "line 3 holds the byte E9, which is not UTF-8 (the file says it is)"
Refusal NotUtf8(std::string_view bytes, std::size_t at) {
    const std::size_t line = 1 + static_cast<std::size_t>(std::count(
                                     bytes.begin(), bytes.begin() + static_cast<long>(at), '\n'));
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(bytes[at]);
    return Refusal{"line " + std::to_string(line) + " holds the byte " + kHex[byte >> 4] +
                   kHex[byte & 0xF] + ", which is not UTF-8, though the file is marked as UTF-8"};
}

} // namespace

WheelFileText DecodeWheelText(std::string_view bytes) {
    const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    const bool empty = bytes.empty() || (utf16 && bytes.size() == 2) ||
                       (bytes.starts_with("\xEF\xBB\xBF") && bytes.size() == 3);
    if (empty) {
        return {{}, Refusal{"the file is empty"}};
    }
    if (utf16) {
        return FromUtf16(bytes.substr(2), bytes[0] == '\xFE');
    }
    if (bytes.find('\0') != std::string_view::npos) {
        return {{}, Refusal{kNotText}};
    }
    const std::size_t broken = FirstNonUtf8(bytes);
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        // Marked as UTF-8: a byte that is not is a fault to name, not a sign of Latin-1.
        return broken == std::string_view::npos ? WheelFileText{std::string(bytes.substr(3)), {}}
                                                : WheelFileText{{}, NotUtf8(bytes, broken)};
    }
    if (broken == std::string_view::npos) {
        return {std::string(bytes), {}};
    }
    WheelFileText latin1;
    latin1.text.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) {
        AppendUtf8(latin1.text, static_cast<unsigned char>(c));
    }
    return latin1;
}

WheelFileText ReadWheelFile(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) {
        return {{},
                error && error != std::errc::no_such_file_or_directory
                    ? Refusal{"cannot be read: " + error.message()}
                    : Refusal{"no such file"}};
    }
    if (fs::is_directory(status)) {
        return {{}, Refusal{"is a folder"}};
    }
    if (!fs::is_regular_file(status)) { // a device or a pipe could be endless
        return {{}, Refusal{"is not an ordinary file"}};
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size > kLargestWheelFile) {
        return {{}, Refusal{"is larger than 256 MB"}};
    }
    // C streams, unlike iostreams, tell a failed read from the end of the file.
    // Windows spells file names in UTF-16, and its C library opens them so.
#ifdef _WIN32
    std::FILE* in = _wfopen(path.c_str(), L"rb");
#else
    std::FILE* in = std::fopen(path.c_str(), "rb");
#endif
    if (!in) {
        return {{}, Refusal{std::string("cannot be read: ") + std::strerror(errno)}};
    }
    std::string bytes;
    bytes.reserve(error ? 0 : size);
    char chunk[1 << 16];
    std::size_t got = 0;
    // Up to just past the limit, whatever the file has grown by since its size was read.
    while (bytes.size() <= kLargestWheelFile &&
           (got = std::fread(chunk, 1, sizeof chunk, in)) > 0) {
        bytes.append(chunk, got);
    }
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed) {
        return {{}, Refusal{"cannot be read"}};
    }
    if (bytes.size() > kLargestWheelFile) {
        return {{}, Refusal{"is larger than 256 MB"}};
    }
    return DecodeWheelText(bytes);
}

} // namespace quorvex
