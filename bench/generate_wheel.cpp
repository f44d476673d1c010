// Writes a reproducible wheel on 49 numbers, 6 distinct numbers a line in
// random order, LF line ends, every number used.
//
//   quorvex-generate-wheel LINES SEED > wheel.txt

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quorvex-generate-wheel LINES SEED\n");
        return 2;
    }
    const long lines = std::atol(argv[1]);
    std::mt19937 random(static_cast<unsigned>(std::atol(argv[2])));
    std::string out;
    for (long l = 0; l < lines; ++l) {
        bool used[50] = {};
        int first = static_cast<int>(l % 49) + 1; // the first 49 lines cover every number
        for (int k = 0; k < 6; ++k) {
            int n = k == 0 ? first : 0;
            while (n == 0 || (k > 0 && used[n])) {
                n = 1 + static_cast<int>(random() % 49);
            }
            used[n] = true;
            out += std::to_string(n);
            out += k < 5 ? ' ' : '\n';
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
