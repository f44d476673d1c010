// quorvex-bench WHEEL --chances M P
//   For a wheel of N numbers in a game drawing M of P balls, one line for each
//   t from 1 to the longest line:  t=3 chance=0.00981245 one-in=101.9
//   (" lower-bound" after a chance that is only a lower bound).
// quorvex-bench TICKETS --past-draws HISTORY --game M P
//   The tickets in the player's own numbers, as written (1..P, 49 numbers at
//   most), against the draws of the history:  draws=D skipped=S, then for each t
//   t=3 observed=O expected=E.
// Exit 1 when the wheel is no wheel or the history holds no draw, 2 for bad arguments.

#include "game_bench.h"

#include "bench_arguments.h"
#include "chances.h"
#include "coverage.h"
#include "draw_history.h"
#include "operations.h"
#include "parse_matrix.h"
#include "past_draws.h"
#include "wheel_file.h"
#include "wheel_profile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace quorvex {

namespace {

int GameUsage(const std::string& why) {
    return BadArguments(why, "quorvex-bench WHEEL --chances M P\n"
                             "       quorvex-bench TICKETS --past-draws HISTORY --game M P");
}

// M and P from two arguments, as a game.
bool ReadGame(const char* drawn, const char* balls, Game& game) {
    long p = 0, m = 0;
    if (!Whole(balls, 2, kMaxBalls, p) || !Whole(drawn, 1, kMostDrawn, m)) {
        return false;
    }
    game.balls = static_cast<int>(p);
    game.drawn = static_cast<int>(m);
    return !GameProblem(game);
}

std::optional<std::string> ReadText(const char* path) {
    WheelFileText file = ReadWheelFile(path);
    if (file.refusal) {
        std::fprintf(stderr, "quorvex-bench: %s %s\n", path, file.refusal->reason.c_str());
        return std::nullopt;
    }
    return std::move(file.text);
}

// Lines of numbers 1..P as written: the player's own tickets.
std::optional<LineList> ReadTickets(std::string_view text, int balls) {
    LineList tickets;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        for (const std::string_view token : Tokens(line)) {
            const bool digits = token.find_first_not_of("0123456789") == std::string_view::npos;
            const unsigned value = digits ? DigitsValue(token) : 0;
            if (value < 1 || value > static_cast<unsigned>(balls)) {
                return std::nullopt;
            }
            tickets.push(static_cast<Number>(value));
        }
        tickets.endLine();
    }
    return tickets;
}

} // namespace

int ChancesMain(int argc, char* argv[]) {
    Game game{"", 0, 0, 100, {}};
    if (argc != 5 || std::strcmp(argv[2], "--chances") != 0 || !ReadGame(argv[3], argv[4], game)) {
        return GameUsage("--chances takes M (1-20) and P (2-90), M at most P");
    }
    const auto text = ReadText(argv[1]);
    if (!text) {
        return 1;
    }
    const AcquireOutcome acquired = AcquireMatrix(*text);
    if (acquired.refusal) {
        std::fprintf(stderr, "notice: %s\n", acquired.refusal->reason.c_str());
        return 1;
    }
    if (HeldWheelNumbers() > game.balls) {
        return GameUsage("the wheel has more numbers than the game has balls");
    }
    Progress progress;
    const auto chances = WheelChances(HeldWheel(), HeldWheelNumbers(), game, progress);
    for (const Chance& chance : *chances) {
        const double p = chance.Probability();
        char oneIn[32] = "never";
        if (p > 0) {
            std::snprintf(oneIn, sizeof oneIn, "%.1f", 1 / p);
        }
        std::printf("t=%d chance=%.6g one-in=%s%s\n", chance.atLeast, p, oneIn,
                    chance.exact ? "" : " lower-bound");
    }
    return 0;
}

int PastDrawsMain(int argc, char* argv[]) {
    Game game{"", 0, 0, 100, {}};
    if (argc != 7 || std::strcmp(argv[2], "--past-draws") != 0 ||
        std::strcmp(argv[4], "--game") != 0 || !ReadGame(argv[5], argv[6], game)) {
        return GameUsage("--past-draws takes a history, then --game M P");
    }
    const auto ticketText = ReadText(argv[1]);
    const auto historyText = ReadText(argv[3]);
    if (!ticketText || !historyText) {
        return 1;
    }
    const auto tickets = ReadTickets(*ticketText, game.balls);
    if (!tickets || tickets->empty()) {
        return GameUsage("the tickets must be lines of numbers 1-" + std::to_string(game.balls));
    }
    const OwnWheel own = AsOwnWheel(*tickets);
    if (own.numbers > kHighestNumber) {
        return GameUsage("the tickets use more than 49 numbers");
    }
    const DrawHistory history = ParseHistory(*historyText, game.balls, game.drawn);
    std::printf("draws=%zu skipped=%zu\n", history.draws.size(), history.skipped.size());
    if (history.refusal) {
        std::fprintf(stderr, "quorvex-bench: %s\n", history.refusal->reason.c_str());
        return 1;
    }
    Progress progress;
    const auto tally = TallyPastDraws(*tickets, history.draws, game, progress);
    const auto chances = WheelChances(own.lines, own.numbers, game, progress);
    for (const Observed& row : ObservedAgainstExpected(*tally, *chances)) {
        std::printf("t=%d observed=%llu expected=%.2f%s\n", row.atLeast,
                    static_cast<unsigned long long>(row.observed), row.expected,
                    row.exact ? "" : " lower-bound");
    }
    return 0;
}

} // namespace quorvex
