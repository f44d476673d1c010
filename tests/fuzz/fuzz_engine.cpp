// Feeds arbitrary bytes to the engine as a pasted text followed by a run of
// clicks, and requires the reference model's outcome at every step.
//
// Input: two bytes of text length, the text, then one byte per action. The
// kept corpus holds, besides what fuzzing found, 555 seeded sessions as a
// player makes them (corpus/engine/session-*): wheels pasted with blanks, tabs,
// commas and either line end, of one line length or mixed, with repeats, up to
// 400 lines, some spoiled or empty; then 60 actions, mostly keys among the first
// thirteen, so that the picks often match the wheel, now and then a game of
// another size (35 to 90 balls).

#include "fuzz_check.h"
#include "mDichiarazioni.h"
#include "reference_model.h"

#include <array>
#include <cstdint>

using namespace quorvex;

namespace {

void CheckAcquire(std::string_view text, reference::Model& model) {
    const AcquireOutcome got = AcquireMatrix(text);
    const AcquireOutcome want = model.Acquire(text);
    Check(got.result == want.result && got.statusText == want.statusText, "ACQUIRE");
    Check(got.refusal.has_value() == want.refusal.has_value() &&
              (!got.refusal || got.refusal->reason == want.refusal->reason),
          "ACQUIRE's reason");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    ResetState();
    reference::Model model;
    const std::size_t textSize = std::min<std::size_t>(data[0] | data[1] << 8, size - 2);
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, textSize);
    CheckAcquire(text, model);

    for (std::size_t i = 2 + textSize; i < size; ++i) {
        const std::uint8_t action = data[i];
        if (action < 147) {
            const int key = action % kHighestKey + 1;
            const KeyOutcome got = ClickKey(key);
            const KeyOutcome want = model.Click(key);
            Check(got.color == want.color && got.selectedCount == want.selectedCount &&
                      got.baseCount == want.baseCount,
                  "key click");
        } else if (action < 160) {
            const DevelopOutcome developed = DevelopSystem();
            Check(developed.Notice() == model.Develop() &&
                      developed.developed == !developed.refusal,
                  "GENERATE");
        } else if (action < 176) {
            Check(ListSystem().listing == model.List().listing &&
                      ListSystem().refusal == model.List().refusal,
                  "VIEW");
        } else if (action < 192) {
            ResetKeys();
            model.Reset();
        } else if (action < 208) {
            CheckAcquire(model.List().listing, model); // VIEW, then ACQUIRE what the box shows
        } else if (action < 224) {
            CheckAcquire(text, model);
        } else { // another game, of fewer or more balls
            const int balls = std::array{35, 49, 50, 80, 90}[action % 5];
            const KeyOutcome got = SetKeyCount(balls);
            const KeyOutcome want = model.Play(balls);
            Check(got.selectedCount == want.selectedCount && got.baseCount == want.baseCount &&
                      KeyCount() == balls,
                  "another game");
        }
    }
    return 0;
}
