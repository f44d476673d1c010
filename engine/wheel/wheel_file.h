#pragma once
// Reading a wheel from a file: the file's text as UTF-8, or why it cannot be
// read. Windows editors write UTF-16 and byte-order marks; old tools write
// Latin-1. What the text says is ACQUIRE's business, not this module's.

#include "refusal.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

// Larger files are refused before they are read: no wheel comes near this.
constexpr std::uintmax_t kLargestWheelFile = 256u << 20;

struct WheelFileText {
    std::string text;               // UTF-8
    std::optional<Refusal> refusal; // why there is no text
};

// UTF-8 with or without a byte-order mark, UTF-16 with one (either byte
// order; a last odd byte becomes U+FFFD); anything else unmarked is Latin-1,
// byte for byte. A file marked as UTF-8 that is not is refused, naming the
// line and the byte. A NUL outside UTF-16 means binary data; a file with
// no text at all is refused.
WheelFileText DecodeWheelText(std::string_view bytes);

// Refuses what is missing, a folder, not a regular file, too large or unreadable.
WheelFileText ReadWheelFile(const std::filesystem::path& path);

} // namespace quorvex
