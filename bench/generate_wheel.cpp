// Writes a reproducible wheel: distinct numbers in random order on each line,
// LF line ends, every number used.
//
//   quorvex-generate-wheel LINES SEED [NUMBERS [WIDTH | MIN-MAX]] > wheel.txt
//
// NUMBERS defaults to 49 and WIDTH to 6; MIN-MAX gives each line a length
// picked at random from MIN to MAX.

#include "wheel_generator.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr,
                     "usage: quorvex-generate-wheel LINES SEED [NUMBERS [WIDTH|MIN-MAX]]\n");
        return 2;
    }
    const long lines = std::atol(argv[1]);
    std::mt19937 random(static_cast<unsigned>(std::atol(argv[2])));
    quorvex::bench::WheelShape shape;
    shape.numbers = argc > 3 ? std::atoi(argv[3]) : 49;
    if (argc > 4 && std::sscanf(argv[4], "%d-%d", &shape.minWidth, &shape.maxWidth) == 1) {
        shape.maxWidth = shape.minWidth;
    }
    if (lines < 1 || shape.numbers < 1 || shape.numbers > 49 || shape.minWidth < 1 ||
        shape.maxWidth < shape.minWidth || shape.maxWidth > shape.numbers) {
        std::fprintf(stderr, "quorvex-generate-wheel: NUMBERS 1-49, widths 1-NUMBERS\n");
        return 2;
    }
    const std::string text =
        quorvex::bench::WheelText(RandomWheel(random, static_cast<std::size_t>(lines), shape));
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}
