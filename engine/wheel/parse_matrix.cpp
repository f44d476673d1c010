// Reading a matrix text into lines of numbers, and quoting a token for a notice.
#include "parse_matrix.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace quorvex {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A CR counts as part of a line break only right before its LF.
bool IsLineEnd(std::string_view text, std::size_t i) {
    return text[i] == '\n' || (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
}

// Refuses the text for the token that starts at text[first]: which line of the
// text, and what the token says.
ParsedMatrix BadToken(std::string_view text, std::size_t first) {
    std::size_t last = first;
    while (last < text.size() && SeparatorAt(text, last) == 0 && !IsLineEnd(text, last)) {
        ++last;
    }
    const auto lineNumber = 1 + std::count(text.begin(), text.begin() + first, '\n');
    return {{},
            Refusal{"line " + std::to_string(lineNumber) + ": " +
                        QuoteToken(text.substr(first, last - first)) + " is not a number 1-49",
                    first, last - first}};
}

} // namespace

std::vector<std::string_view> Tokens(std::string_view line) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        if (const std::size_t separator = SeparatorAt(line, i); separator > 0) {
            i += separator;
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && SeparatorAt(line, i) == 0) {
            ++i;
        }
        tokens.push_back(line.substr(start, i - start));
    }
    return tokens;
}

unsigned DigitsValue(std::string_view digits) {
    unsigned value = 0;
    for (char c : digits) {
        value = std::min(value * 10 + static_cast<unsigned>(c - '0'), 100u);
    }
    return value;
}

// A token as it can be shown in a one-line notice: its characters as typed,
// at most eight of them; a blank or control character, or a byte that is no
// UTF-8, written as U+XXXX in the room of six.
std::string QuoteToken(std::string_view token) {
    constexpr std::size_t kShown = 8;
    std::vector<std::string> characters;
    // One character past what fits is enough to know the token is cut: a long
    // token costs no more than a short one.
    for (std::size_t i = 0; i < token.size() && characters.size() <= kShown;) {
        const auto lead = static_cast<unsigned char>(token[i]);
        const std::size_t length = Utf8Length(token.substr(i));
        char32_t c = lead;
        if (length > 1) {
            c = lead & (0x7F >> length);
            for (std::size_t k = 1; k < length; ++k) {
                c = c << 6 | (static_cast<unsigned char>(token[i + k]) & 0x3F);
            }
        }
        // Blanks and controls would be invisible between the quotes.
        const bool invisible = c <= ' ' || (c >= 0x7F && c < 0xA0) || c == 0x1680 ||
                               (c >= 0x2000 && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) ||
                               (c >= 0x205F && c <= 0x206F) || c == 0x3000 || c == 0xFEFF;
        if (length == 0 || invisible) {
            char code[8];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
            characters.emplace_back(code);
        } else {
            characters.emplace_back(token.substr(i, length));
        }
        i += std::max<std::size_t>(length, 1);
    }
    // A U+XXXX takes the room of six characters.
    const auto room = [&characters](std::size_t count) {
        std::size_t width = 0;
        for (std::size_t i = 0; i < count; ++i) {
            width += characters[i].starts_with("U+") ? 6 : 1;
        }
        return width;
    };
    std::size_t shown = characters.size();
    const bool cut = room(shown) > kShown;
    while (cut && room(shown) > kShown - 2) {
        --shown;
    }
    std::string quoted = "\"";
    for (std::size_t i = 0; i < shown; ++i) {
        quoted += characters[i];
    }
    return quoted + (cut ? "...\"" : "\"");
}

std::size_t Utf8Length(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const auto byte = [&text](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(0);
    // The range the second byte must fall in rules out overlong forms,
    // surrogates and values above U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if ((byte(k) >> 6) != 0x2) {
            return 0;
        }
    }
    return length;
}

ParsedMatrix ParseMatrix(std::string_view text) {
    ParsedMatrix parsed;
    LineList& lines = parsed.lines;
    // Every number takes at least a digit and a separator; pages reserved
    // beyond what is used are never touched.
    lines.reserve(std::min(text.size() / 2 + 1, LineList::kMaxNumbers));

    std::size_t lineStart = 0; // numbers held when the current line began
    auto endLine = [&lines, &lineStart] {
        if (lines.numberCount() > lineStart) { // blank lines are dropped
            lines.endLine();
            lineStart = lines.numberCount();
        }
    };

    // One pass over the bytes: digits make numbers, separators part them, LF or
    // CR LF ends a line; anything else spoils its token, which starts there:
    // a digit run followed by anything but a separator or a line end is refused
    // from its own start.
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (IsDigit(c)) {
            const std::size_t tokenStart = i;
            while (i < text.size() && IsDigit(text[i])) {
                ++i;
            }
            const unsigned value = DigitsValue(text.substr(tokenStart, i - tokenStart));
            const bool tokenEnds =
                i == text.size() || SeparatorAt(text, i) > 0 || IsLineEnd(text, i);
            if (!tokenEnds || value < 1 || value > kHighestNumber) {
                return BadToken(text, tokenStart);
            }
            lines.push(static_cast<Number>(value));
        } else if (const std::size_t separator = SeparatorAt(text, i); separator > 0) {
            i += separator;
        } else if (c == '\n') {
            endLine();
            ++i;
        } else if (IsLineEnd(text, i)) {
            ++i; // the CR of CR LF
        } else {
            return BadToken(text, i);
        }
    }
    endLine();
    if (lines.numberCount() > LineList::kMaxNumbers) {
        return {{}, Refusal{"the matrix is too large"}};
    }
    return parsed;
}

} // namespace quorvex
