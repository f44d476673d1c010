// A play as a file's text, and back, with the first line at fault named.
#include "play_file.h"

#include "combinations.h"
#include "mFunzioni.h"
#include "two_digits.h"

#include <algorithm>
#include <cstdint>

namespace quorvex {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// How many bytes a UTF-8 byte order mark takes at the text's start.
std::size_t MarkSize(std::string_view text) {
    return text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
}
// The fields in the order written, before the wheel.
constexpr std::string_view kFields[] = {"game",   "balls",   "drawn", "price",
                                        "prizes", "numbers", "base",  "wheel"};
// The most a price or prize can be, in whole units: far beyond any game's.
constexpr std::size_t kMostAmountDigits = 13;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The value of 1 to `most` digits, or nothing.
std::optional<std::int64_t> Digits(std::string_view text, std::size_t most) {
    if (text.empty() || text.size() > most ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// A whole number of at most three digits, or -1.
int Small(std::string_view text) {
    return static_cast<int>(Digits(text, 3).value_or(-1));
}

// "12", "12.5", "12.50" in hundredths.
std::optional<Money> Amount(std::string_view text) {
    const std::size_t point = text.find('.');
    const auto whole = Digits(text.substr(0, point), kMostAmountDigits);
    const auto cents = point == std::string_view::npos ? std::optional<std::int64_t>(0)
                                                       : Digits(text.substr(point + 1), 2);
    if (!whole || !cents) {
        return std::nullopt;
    }
    const bool tenths = point != std::string_view::npos && text.size() - point == 2; // "12.5"
    return *whole * 100 + *cents * (tenths ? 10 : 1);
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && IsBlank(text[at])) {
            ++at;
        }
        std::size_t end = at;
        while (end < text.size() && !IsBlank(text[end])) {
            ++end;
        }
        if (end > at) {
            words.push_back(text.substr(at, end - at));
        }
        at = end;
    }
    return words;
}

// Different numbers 1..highest, ascending; nothing for a word that is none.
std::optional<std::vector<int>> Numbers(std::string_view text, int highest) {
    std::vector<int> numbers;
    for (std::string_view word : Words(text)) {
        const int n = Small(word);
        if (n < 1 || n > highest) {
            return std::nullopt;
        }
        numbers.push_back(n);
    }
    std::sort(numbers.begin(), numbers.end());
    if (std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end()) {
        return std::nullopt;
    }
    return numbers;
}

std::string NumbersText(const std::vector<int>& numbers) {
    std::string text;
    for (int n : numbers) {
        text += (text.empty() ? "" : " ") + TwoDigits(n);
    }
    return text;
}

// The text read line by line, each line without its end and with where it starts.
class Lines {
public:
    explicit Lines(std::string_view text) : text(text) {}

    // The next line; a line break that ends the text starts none.
    bool Next() {
        if (at > text.size() || (at == text.size() && number > 0)) {
            return false;
        }
        start = at;
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        at = end + 1;
        line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        ++number;
        return true;
    }
    Refusal Fault(const std::string& why) const {
        return {"Line " + std::to_string(number) + ": " + why, start, line.size()};
    }
    // The line the text lacks, just past its end.
    Refusal Missing(const std::string& why) const {
        return {"Line " + std::to_string(number + 1) + ": " + why, text.size(), 0};
    }
    std::string_view Rest() const { return text.substr(RestStart()); }
    std::size_t RestStart() const { return std::min(at, text.size()); }

    std::string_view line;
    int number = 0;

private:
    std::string_view text;
    std::size_t at = 0;
    std::size_t start = 0;
};

} // namespace

std::string PlayText(const Play& play) {
    std::string name = play.game.name;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    std::string prizes;
    for (Money prize : play.game.prizes) {
        prizes += (prizes.empty() ? "" : " ") + MoneyText(prize);
    }
    if (Trimmed(name).empty()) {
        name = "Own game"; // a play read back needs a name
    }
    const std::string values[] = {std::string(Trimmed(name)),       std::to_string(play.game.balls),
                                  std::to_string(play.game.drawn),  MoneyText(play.game.price),
                                  prizes.empty() ? "none" : prizes, NumbersText(play.numbers),
                                  NumbersText(play.base),           ""};
    std::string text = std::string(kPlayFormatLine) + "\r\n";
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        text += std::string(kFields[i]) + ":" + (values[i].empty() ? "" : " ") + values[i] + "\r\n";
    }
    for (Lines wheel(play.wheel); !play.wheel.empty() && wheel.Next();) { // each CR LF
        text += std::string(wheel.line) + "\r\n";
    }
    return text;
}

bool LooksLikePlay(std::string_view text) {
    return text.substr(MarkSize(text)).starts_with(kPlayFormatLine);
}

namespace {

// Why a field's value cannot stand in a play read so far, or nothing.
std::optional<std::string> FieldProblem(std::size_t field, std::string_view value, Play& play) {
    Game& game = play.game;
    switch (field) {
    case 0:
        game.name = std::string(value);
        return value.empty() ? std::optional<std::string>("the game has no name") : std::nullopt;
    case 1:
        game.balls = Small(value);
        if (game.balls < 2 || game.balls > kMaxBalls) {
            return "a game has 2 to " + std::to_string(kMaxBalls) + " balls";
        }
        return std::nullopt;
    case 2:
        game.drawn = Small(value);
        if (game.drawn < 1 || game.drawn > std::min(kMostDrawn, game.balls)) {
            return "a game draws 1 to " + std::to_string(kMostDrawn) +
                   " balls, and no more than it has";
        }
        return std::nullopt;
    case 3:
        if (const auto price = Amount(value)) {
            game.price = *price;
            return std::nullopt;
        }
        return "the price is an amount such as 1.00";
    case 4:
        game.prizes.clear();
        for (std::string_view word :
             value == "none" ? std::vector<std::string_view>() : Words(value)) {
            const auto prize = Amount(word);
            if (!prize) {
                return "the prizes are \"none\" or amounts such as 5.00";
            }
            game.prizes.push_back(*prize);
        }
        if ((game.prizes.empty() && value != "none") ||
            game.prizes.size() > static_cast<std::size_t>(game.drawn) + 1) {
            return "the prizes are \"none\" or 1 to " + std::to_string(game.drawn + 1) +
                   " amounts, for 0 hits up";
        }
        return std::nullopt;
    case 5:
        if (auto numbers = Numbers(value, game.balls)) {
            play.numbers = std::move(*numbers);
            return std::nullopt;
        }
        return "the numbers are different numbers 1 to " + std::to_string(game.balls);
    case 6:
        if (auto base = Numbers(value, game.balls);
            base &&
            std::includes(play.numbers.begin(), play.numbers.end(), base->begin(), base->end())) {
            play.base = std::move(*base);
            return std::nullopt;
        }
        return "the base numbers are different numbers among the numbers";
    default:
        return value.empty() ? std::nullopt
                             : std::optional<std::string>("the wheel begins on the next line");
    }
}

// The play after a byte order mark, if one was there.
PlayReading ReadPlayAfterMark(std::string_view text) {
    Lines lines(text);
    lines.Next();
    if (lines.line != kPlayFormatLine) {
        return {std::nullopt, lines.Fault("this is no Quorvex play: a play begins \"" +
                                          std::string(kPlayFormatLine) + "\"")};
    }
    Play play;
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        const std::string field(kFields[i]);
        if (!lines.Next()) {
            return {std::nullopt, lines.Missing("the play ends before its \"" + field + ":\"")};
        }
        const std::string_view line = lines.line;
        if (!line.starts_with(field + ":")) {
            return {std::nullopt, lines.Fault("\"" + field + ":\" was expected here")};
        }
        if (const auto problem = FieldProblem(i, Trimmed(line.substr(field.size() + 1)), play)) {
            return {std::nullopt, lines.Fault(*problem)};
        }
    }

    // The wheel: ACQUIRE's own reading, its fault told by the play's line.
    const std::string_view wheel = lines.Rest();
    const std::size_t wheelStart = lines.RestStart();
    if (const std::optional<Refusal> refusal = ReadWheel(wheel).refusal) {
        const auto before = wheel.substr(0, std::min(refusal->start, wheel.size()));
        const int line =
            lines.number + 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
        std::string why = refusal->reason; // the wheel's own "line 2: " gives way to the play's
        if (why.starts_with("line ") && why.find(": ") != std::string::npos) {
            why.erase(0, why.find(": ") + 2);
        }
        return {std::nullopt, Refusal{"Line " + std::to_string(line) + ": " + why,
                                      wheelStart + refusal->start, refusal->length}};
    }
    play.wheel = std::string(wheel);
    return {std::move(play), std::nullopt};
}

} // namespace

PlayReading ReadPlay(std::string_view text) {
    const std::size_t mark = MarkSize(text);
    PlayReading reading = ReadPlayAfterMark(text.substr(mark));
    if (reading.refusal) {
        reading.refusal->start += mark; // the fault where it lies in the whole text
    }
    return reading;
}

} // namespace quorvex
