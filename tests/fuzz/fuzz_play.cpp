// Feeds arbitrary bytes to the play reader and holds it to a plain reading: the
// same plays accepted with the same game, numbers and base, the same line named
// for the rest; an accepted play, written again, reads back the same.

#include "fuzz_check.h"
#include "play_file.h"
#include "play_model.h"

#include <cstdint>

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const PlayReading got = ReadPlay(text);
    const reference::PlayRead want = reference::ReadPlayPlainly(text);
    Check(got.play.has_value() == want.play.has_value(), "accepted or refused");
    if (!got.play) {
        const std::string line = "Line " + std::to_string(want.faultLine) + ": ";
        Check(got.refusal && got.refusal->reason.rfind(line, 0) == 0, "the line at fault");
        Check(got.refusal->start + got.refusal->length <= size, "the fault within the text");
        return 0;
    }
    Check(got.play->game == want.play->game && got.play->numbers == want.play->numbers &&
              got.play->base == want.play->base,
          "the play read");
    const PlayReading again = ReadPlay(PlayText(*got.play));
    Check(again.play && again.play->game.price == got.play->game.price &&
              again.play->numbers == got.play->numbers &&
              PlayText(*again.play) == PlayText(*got.play),
          "written and read again");
    return 0;
}
