// A play written and read back, damaged plays refused at the right line, and a
// play taken from the state and put back on it.

#include "engine_fixture.h"
#include "play.h"
#include "play_file.h"
#include "wheel_generator.h"

#include <random>

using namespace quorvex;

namespace {

// Plays as a player may keep them: names with any character, games up to 90
// balls, prizes or none, any picks and base among them, wheels of any shape.
Play RandomPlay(std::mt19937& random) {
    const auto pick = [&random](int from, int to) {
        return from + static_cast<int>(random() % static_cast<unsigned>(to - from + 1));
    };
    const char* names[] = {"6 of 49", "Lotto | Saturday", "Sécurité 7/35", "x", "Ünïcödé ∑"};
    Play play;
    play.game.name = names[random() % std::size(names)];
    play.game.balls = pick(2, 90);
    play.game.drawn = pick(1, std::min(20, play.game.balls));
    play.game.price = pick(0, 100000);
    const int prizes = pick(0, play.game.drawn + 1);
    for (int j = 0; j < prizes; ++j) {
        play.game.prizes.push_back(pick(0, 3) == 0 ? 0 : pick(1, 2000000000));
    }
    for (int n = 1; n <= play.game.balls; ++n) {
        if (pick(0, 3) == 0) {
            play.numbers.push_back(n);
            if (pick(0, 4) == 0) {
                play.base.push_back(n);
            }
        }
    }
    const int numbers = pick(1, 49);
    play.wheel = bench::WheelText(bench::RandomWheel(random, static_cast<std::size_t>(pick(1, 60)),
                                                     {numbers, 1, std::min(numbers, 8)}));
    return play;
}

TEST(PlayFile, ReadsBackWhatItWrote) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 300; ++round) {
        const Play play = RandomPlay(random);
        const std::string text = PlayText(play);
        SCOPED_TRACE("round " + std::to_string(round) + ":\n" + text);
        const PlayReading read = ReadPlay(text);
        ASSERT_FALSE(read.refusal) << read.refusal->reason;
        EXPECT_EQ(read.play->game, play.game);
        EXPECT_EQ(read.play->numbers, play.numbers);
        EXPECT_EQ(read.play->base, play.base);
        EXPECT_EQ(PlayText(*read.play), text) << "written again, the same bytes";
        // A person's editor sees text: printable bytes, UTF-8, CR LF line ends.
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            EXPECT_TRUE(c >= 0x20 || (c == '\r' && text[i + 1] == '\n') || c == '\n')
                << "byte " << int(c) << " at " << i;
        }
        EXPECT_TRUE(LooksLikePlay(text));
    }
}

TEST(PlayFile, WritesAsAPersonReadsIt) {
    const Play play{{"6 of 90", 90, 6, 150, {0, 0, 0, 500, 5000}}, {3, 17, 52}, {17}, "1 2\n2 3\n"};
    EXPECT_EQ(PlayText(play), "Quorvex play 1\r\ngame: 6 of 90\r\nballs: 90\r\ndrawn: 6\r\n"
                              "price: 1.50\r\nprizes: 0.00 0.00 0.00 5.00 50.00\r\n"
                              "numbers: 03 17 52\r\nbase: 17\r\nwheel:\r\n1 2\r\n2 3\r\n");
    Play odd = play; // a line break in a name cannot end the name's line
    odd.game.name = "\ntwo\nlines\r";
    odd.numbers.clear();
    odd.base.clear();
    EXPECT_EQ(ReadPlay(PlayText(odd)).play->game.name, "two lines");
    EXPECT_NE(PlayText(odd).find("numbers:\r\nbase:\r\n"), std::string::npos);
}

// Each damage is refused at its line, and the line is the one selected.
TEST(PlayFile, RefusesADamagedPlayAtItsLine) {
    const std::string good = "Quorvex play 1\ngame: 5 of 90\nballs: 90\ndrawn: 5\nprice: 1\n"
                             "prizes: none\nnumbers: 1 50 90\nbase: 50\nwheel:\n1 2\n3 1\n";
    const auto with = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const struct {
        const char* name;
        std::string text;
        int line;
    } plays[] = {
        {"AWheel", "1 2 3\n", 1},
        {"LaterVersion", with("play 1", "play 2"), 1},
        {"EndsEarly", "Quorvex play 1\r\ngame: 6 of 49\r\n", 3},
        {"FieldsSwapped", with("balls: 90\ndrawn: 5", "drawn: 5\nballs: 90"), 3},
        {"NoName", with("game: 5 of 90", "game:  "), 2},
        {"TooManyBalls", with("balls: 90", "balls: 91"), 3},
        {"DrawsMoreThan20", with("drawn: 5", "drawn: 21"), 4},
        {"PriceNegative", with("price: 1", "price: -1"), 5},
        {"PriceThreeDecimals", with("price: 1", "price: 1.005"), 5},
        {"PrizesTooMany", with("none", "1 2 3 4 5 6 7"), 6},
        {"PrizesEmpty", with("none", ""), 6},
        {"NumberAboveBalls", with("balls: 90", "balls: 80"), 7},
        {"NumberTwice", with("1 50 90", "1 50 01"), 7},
        {"BaseNotPicked", with("base: 50", "base: 51"), 8},
        {"WheelOnItsLine", with("wheel:", "wheel: 1 2"), 9},
        {"NoWheel", with("wheel:\n1 2\n3 1\n", "wheel:\n\n"), 10},
        {"WheelNumberMissing", with("3 1", "4 1"), 10},
        {"WheelBadToken", with("3 1", "3 x"), 11},
    };
    for (const auto& [name, text, line] : plays) {
        SCOPED_TRACE(name);
        const PlayReading read = ReadPlay(text);
        ASSERT_TRUE(read.refusal);
        EXPECT_FALSE(read.play);
        const std::string prefix = "Line " + std::to_string(line) + ": ";
        EXPECT_EQ(read.refusal->reason.substr(0, prefix.size()), prefix) << read.refusal->reason;
        EXPECT_LE(read.refusal->start + read.refusal->length, text.size());
        // The selection lies on the line named.
        const std::string before = text.substr(0, read.refusal->start);
        EXPECT_EQ(std::count(before.begin(), before.end(), '\n') + 1, line);
    }
    EXPECT_TRUE(ReadPlay(good).play);
    EXPECT_TRUE(ReadPlay("\xEF\xBB\xBF" + with("none", "0 0 1.5 2.25")).play) << "mark, prizes";
}

// A play taken from the state and put back on a fresh one holds the same game,
// keys and wheel, and GENERATE then gives the same tickets.
TEST_F(EngineTest, APlayPutBackDevelopsTheSameTickets) {
    const Game game{"6 of 90", 90, 6, 100, {}};
    EXPECT_TRUE(CurrentPlay(game).refusal) << "no wheel held: nothing to keep";
    SetKeyCount(90);
    AcquireMatrix("1 2 3\r\n2 3 4\r\n1 4 5\r\n");
    PickKeys({3, 61, 88}, {77, 50});
    ASSERT_EQ(DevelopSystem().Notice(), "Well Done ..!");
    const std::string tickets = ListSystem().listing;
    const PlayOutcome kept = CurrentPlay(game);
    ASSERT_FALSE(kept.refusal);
    const std::string text = PlayText(kept.play);

    ResetState();
    const PlayReading read = ReadPlay(text);
    ASSERT_TRUE(read.play) << read.refusal->reason;
    EXPECT_EQ(read.play->game, game);
    const TakenPlay taken = TakePlay(*read.play);
    EXPECT_EQ(taken.keys.selectedCount, 5);
    EXPECT_EQ(taken.keys.baseCount, 2);
    EXPECT_EQ(taken.wheel.statusText, "IN MEMORY: 5 NUMBERS - IN 3 LINES");
    EXPECT_EQ(KeyCount(), 90);
    EXPECT_EQ(BaseKeys(), (std::vector<int>{50, 77}));
    ASSERT_EQ(DevelopSystem().Notice(), "Well Done ..!");
    EXPECT_EQ(ListSystem().listing, tickets);
    EXPECT_EQ(CurrentPlay(game).play, kept.play);
}

} // namespace
