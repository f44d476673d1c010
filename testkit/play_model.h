#pragma once
// A plain reading of a play file, written apart from the engine's, for the fuzz
// target to hold the engine's reader to: the same plays accepted, the same
// fault line for the rest. The wheel is read by the plain model of ACQUIRE.

#include "play_file.h"
#include "reference_model.h"

#include <algorithm>
#include <string>
#include <vector>

namespace reference {

// One to `most` ASCII digits and nothing else.
inline bool Digits(const std::string& text, std::size_t most) {
    return !text.empty() && text.size() <= most &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
// A number of the file: up to three digits.
inline bool IsNumber(const std::string& text) {
    return Digits(text, 3);
}
// An amount: up to 13 digits, then maybe a point and one or two.
inline bool IsAmount(const std::string& text) {
    const std::size_t point = text.find('.');
    return point == std::string::npos
               ? Digits(text, 13)
               : Digits(text.substr(0, point), 13) && Digits(text.substr(point + 1), 2);
}

struct PlayRead {
    std::optional<quorvex::Play> play;
    int faultLine = 0;
};

inline PlayRead ReadPlayPlainly(std::string text) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) {
        text.erase(0, 3);
    }
    std::vector<std::string> lines{""};
    for (char c : text) {
        if (c == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    const std::vector<std::string> raw = lines; // the wheel is read as it stands
    for (std::string& line : lines) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
    }
    if (lines[0] != "Quorvex play 1") {
        return {std::nullopt, 1};
    }
    const auto money = [](const std::string& word) {
        const std::size_t point = word.find('.');
        std::string cents = point == std::string::npos ? "00" : word.substr(point + 1) + "0";
        return std::stoll(word.substr(0, point)) * 100 + std::stoll(cents.substr(0, 2));
    };
    const auto words = [](const std::string& value) { // apart by spaces and tabs only
        std::vector<std::string> all{""};
        for (char c : value) {
            if (c == ' ' || c == '\t') {
                all.emplace_back();
            } else {
                all.back() += c;
            }
        }
        std::erase(all, std::string());
        return all;
    };
    const char* fields[] = {"game",   "balls",   "drawn", "price",
                            "prizes", "numbers", "base",  "wheel"};
    quorvex::Play play;
    std::vector<int> picked;
    for (int i = 0; i < 8; ++i) {
        const int lineNumber = i + 2;
        if (static_cast<int>(lines.size()) < lineNumber) {
            return {std::nullopt, lineNumber};
        }
        const std::string& line = lines[static_cast<std::size_t>(i + 1)];
        const std::string key = std::string(fields[i]) + ":";
        if (line.rfind(key, 0) != 0) {
            return {std::nullopt, lineNumber};
        }
        std::string value = line.substr(key.size());
        value.erase(0, value.find_first_not_of(" \t") == std::string::npos
                           ? value.size()
                           : value.find_first_not_of(" \t"));
        value.erase(value.find_last_not_of(" \t") + 1);
        bool ok = true;
        quorvex::Game& game = play.game;
        if (i == 0) {
            game.name = value;
            ok = !value.empty();
        } else if (i == 1 || i == 2) {
            ok = IsNumber(value);
            const int n = ok ? std::stoi(value) : 0;
            (i == 1 ? game.balls : game.drawn) = n;
            ok = ok && (i == 1 ? n >= 2 && n <= 90 : n >= 1 && n <= 20 && n <= game.balls);
        } else if (i == 3) {
            ok = IsAmount(value);
            game.price = ok ? money(value) : 0;
        } else if (i == 4 && value != "none") {
            const auto all = words(value);
            ok = !all.empty() && all.size() <= static_cast<std::size_t>(game.drawn) + 1;
            for (const std::string& word : all) {
                ok = ok && IsAmount(word);
                game.prizes.push_back(ok ? money(word) : 0);
            }
        } else if (i == 5 || i == 6) {
            std::vector<bool> seen(91);
            for (const std::string& word : words(value)) {
                const int n = IsNumber(word) ? std::stoi(word) : 0;
                ok = ok && n >= 1 && n <= game.balls && !seen[static_cast<std::size_t>(n)] &&
                     (i == 5 || std::count(play.numbers.begin(), play.numbers.end(), n));
                if (ok) {
                    seen[static_cast<std::size_t>(n)] = true;
                }
            }
            auto& kept = i == 5 ? play.numbers : play.base;
            for (int n = 1; n <= 90; ++n) {
                if (seen[static_cast<std::size_t>(n)]) {
                    kept.push_back(n);
                }
            }
        } else if (i == 7) {
            ok = value.empty();
        }
        if (!ok) {
            return {std::nullopt, lineNumber};
        }
    }
    std::string wheel;
    for (std::size_t l = 9; l < raw.size(); ++l) {
        wheel += raw[l] + (l + 1 < raw.size() ? "\n" : "");
    }
    const auto [rows, problem] = Read(wheel);
    if (!problem.empty()) {
        // "line N: ..." names the wheel's own line; anything else, its first.
        const int inWheel = problem.rfind("line ", 0) == 0 ? std::stoi(problem.substr(5)) : 1;
        return {std::nullopt, 9 + inWheel};
    }
    play.wheel = wheel;
    return {play, 0};
}

} // namespace reference
