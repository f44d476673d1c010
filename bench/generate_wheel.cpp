// Writes a reproducible wheel: distinct numbers in random order on each line,
// LF line ends, every number used.
//
//   quorvex-generate-wheel LINES SEED [NUMBERS [WIDTH | MIN-MAX]] > wheel.txt
//
// NUMBERS defaults to 49 and WIDTH to 6; MIN-MAX gives each line a length
// picked at random from MIN to MAX.

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

int main(int argc, char* argv[]) {
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr,
                     "usage: quorvex-generate-wheel LINES SEED [NUMBERS [WIDTH|MIN-MAX]]\n");
        return 2;
    }
    const long lines = std::atol(argv[1]);
    std::mt19937 random(static_cast<unsigned>(std::atol(argv[2])));
    const int numbers = argc > 3 ? std::atoi(argv[3]) : 49;
    int minWidth = 6, maxWidth = 6;
    if (argc > 4 && std::sscanf(argv[4], "%d-%d", &minWidth, &maxWidth) == 1) {
        maxWidth = minWidth;
    }
    if (numbers < 1 || numbers > 49 || minWidth < 1 || maxWidth < minWidth || maxWidth > numbers) {
        std::fprintf(stderr, "quorvex-generate-wheel: NUMBERS 1-49, widths 1-NUMBERS\n");
        return 2;
    }
    std::string out;
    for (long l = 0; l < lines; ++l) {
        const int width =
            minWidth == maxWidth
                ? minWidth
                : minWidth + static_cast<int>(random() % unsigned(maxWidth - minWidth + 1));
        bool used[50] = {};
        for (int k = 0; k < width; ++k) {
            // The first NUMBERS lines start with each number in turn, so that all are used.
            int n = k == 0 ? static_cast<int>(l % numbers) + 1 : 0;
            while (n == 0 || (k > 0 && used[n])) {
                n = 1 + static_cast<int>(random() % unsigned(numbers));
            }
            used[n] = true;
            out += std::to_string(n);
            out += k < width - 1 ? ' ' : '\n';
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
