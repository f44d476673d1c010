// Wheel files: every encoding a wheel arrives in reads as the same wheel, and
// files that cannot hold a wheel are refused with a reason.

#include "engine_fixture.h"
#include "printing.h"
#include "wheel_file.h"

#include <filesystem>
#include <fstream>

using namespace quorvex;

namespace {

// The text in UTF-16 after its byte-order mark, high byte first or last.
std::string Utf16(std::string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : text) {
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return bytes;
}

TEST_F(EngineTest, EncodingsAndLineEndsReadAsOneWheel) {
    const std::string files[] = {
        "1 2\n2 3\n",
        std::string("\xEF\xBB\xBF") + "1 2\r\n2 3\r\n", // UTF-8 with a byte-order mark, CR LF
        Utf16("1 2\r\n2 3", false),
        Utf16("1 2\n2 3", true),
    };
    for (const std::string& bytes : files) {
        const WheelFileText file = DecodeWheelText(bytes);
        EXPECT_EQ(file.refusal, std::nullopt);
        EXPECT_EQ(AcquireMatrix(file.text).statusText, "IN MEMORY: 3 NUMBERS - IN 2 LINES")
            << bytes;
    }
    // Latin-1: a no-break space, read as itself, then refused by ACQUIRE.
    EXPECT_EQ(DecodeWheelText("1 2\n2\xA0 3").text, "1 2\n2\xC2\xA0 3");
    EXPECT_EQ(DecodeWheelText("1 \xF0\x9F\x98\x80").text, "1 \xF0\x9F\x98\x80"); // UTF-8, 4 bytes
    // Characters beyond the first 65536 come in pairs in UTF-16; half a pair is replaced.
    EXPECT_EQ(DecodeWheelText(std::string("\xFF\xFE\x3D\xD8\x00\xDE\x3D\xD8", 8)).text,
              "\xF0\x9F\x98\x80\xEF\xBF\xBD");
    EXPECT_EQ(Reason(DecodeWheelText(std::string("1 2\0 3", 6)).refusal), "is not a text file");
    EXPECT_EQ(Reason(DecodeWheelText(Utf16(std::string("1\0", 2), false)).refusal),
              "is not a text file");
}

// Bytes that only look like UTF-8 (overlong forms, surrogates, values above
// U+10FFFF, lead bytes F5-F7) make the file Latin-1; a file marked as UTF-8 that
// is not is refused by the line and byte at fault; a byte-order mark alone or half
// a UTF-16 unit is not taken silently: the decoder's fuzz target checks each
// against its own plain decoder, from the files named so in its corpus.

TEST(WheelFile, FilesThatHoldNoWheelAreRefused) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "quorvex-wheel-file-test";
    fs::create_directories(folder);
    const fs::path large = folder / "large.txt";
    std::ofstream(large, std::ios::binary) << "1 2 3\n";
    fs::resize_file(large, kLargestWheelFile + 1); // sparse: takes no room
    const fs::path wheel = folder / "wheel.txt";
    std::ofstream(wheel, std::ios::binary) << "1 2\n"; // as written, on Windows too

    const std::pair<fs::path, std::string> refused[] = {
        {folder / "missing.txt", "no such file"},
        {folder, "is a folder"},
        {large, "is larger than 256 MB"},
#ifndef _WIN32 // Linux's endless and unreadable files
        {"/dev/zero", "is not an ordinary file"},
        {"/proc/self/mem", "cannot be read"}, // opens, then every read fails
#endif
    };
    for (const auto& [path, problem] : refused) {
        const WheelFileText file = ReadWheelFile(path);
        EXPECT_EQ(Reason(file.refusal), problem) << path;
        EXPECT_EQ(file.text, "") << path;
    }
    EXPECT_EQ(ReadWheelFile(wheel).text, "1 2\n");
    fs::remove_all(folder);
}

} // namespace
