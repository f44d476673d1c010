// A draw typed in any way: ParseDraw against a plain reading, then CheckDraw
// against counting hits ticket by ticket.
//
// Input: a byte N (the tickets), N tickets of one byte-count and that many
// numbers, then the draw's text.

#include "draw_check.h"
#include "fuzz_check.h"
#include "line_list.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

using namespace quorvex;

namespace {

// Splits on the separators (a no-break space among them, C2 A0); a number is
// digits only, 1..90, once, at most 20 of them.
std::vector<int> PlainReading(const std::string& text, bool& ok) {
    std::vector<int> numbers;
    std::set<int> seen;
    std::string token;
    ok = true;
    const auto take = [&] {
        if (token.empty()) {
            return;
        }
        const bool digits = token.find_first_not_of("0123456789") == std::string::npos;
        const auto first = token.find_first_not_of('0');
        const std::string value = first == std::string::npos ? "0" : token.substr(first);
        const int n = digits && value.size() <= 2 ? std::stoi(value) : 1000;
        ok = ok && n >= 1 && n <= 90 && seen.insert(n).second;
        numbers.push_back(n);
        token.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (text.compare(i, 2, "\xC2\xA0") == 0) {
            take();
            ++i;
        } else if (c == ' ' || c == '\t' || c == ',' || c == ';') {
            take();
        } else {
            token += c;
        }
    }
    take();
    ok = ok && !numbers.empty() && numbers.size() <= 20;
    return numbers;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t at = 0;
    LineList tickets;
    const std::size_t count = size > 0 ? data[at++] % 16 : 0;
    for (std::size_t t = 0; t < count && at < size; ++t) {
        const std::size_t length = data[at++] % 8 + 1;
        for (std::size_t i = 0; i < length && at < size; ++i) {
            tickets.push(static_cast<Number>(data[at++] % 49 + 1));
        }
        tickets.endLine();
    }
    const std::string text(reinterpret_cast<const char*>(data) + at, size - at);
    const DrawEntry entry = ParseDraw(text);
    bool ok = false;
    const std::vector<int> plain = PlainReading(text, ok);
    Check(entry.refusal.has_value() != ok, "whether the entry is a draw");
    Check(!entry.refusal || entry.refusal->start + entry.refusal->length <= text.size(),
          "the entry at fault");
    if (!ok) {
        return 0;
    }
    Check(entry.numbers == plain, "the numbers");
    const DrawResult result = CheckDraw(tickets, entry.numbers, 3);
    std::vector<std::size_t> withHits(entry.numbers.size() + 1, 0);
    int most = 0;
    std::vector<std::size_t> best;
    for (std::size_t t = 0; t < tickets.size(); ++t) {
        std::set<int> held(tickets.line(t).begin(), tickets.line(t).end());
        int hits = 0;
        for (int n : entry.numbers) {
            hits += static_cast<int>(held.count(n));
        }
        ++withHits[static_cast<std::size_t>(hits)];
        if (hits > most) {
            most = hits;
            best.clear();
        }
        if (hits == most && best.size() < 3) {
            best.push_back(t);
        }
    }
    Check(result.ticketsWithHits == withHits, "tickets by hits");
    Check(result.mostHits == most && result.bestTickets == best, "the best tickets");
    return 0;
}
