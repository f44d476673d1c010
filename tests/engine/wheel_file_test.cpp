// Wheel files: every encoding a wheel arrives in reads as the same wheel, and
// files that cannot hold a wheel are refused with a reason.

#include "engine_fixture.h"
#include "wheel_file.h"

#include <filesystem>
#include <fstream>

using namespace quorvex;

namespace {

TEST_F(EngineTest, EncodingsAndLineEndsReadAsOneWheel) {
    const std::string files[] = {
        "1 2\n2 3\n",
        "\xEF\xBB\xBF"
        "1 2\r\n2 3\r\n", // UTF-8 with a byte-order mark, CR LF
        std::string("\xFF\xFE"
                    "1\0 \0"
                    "2\0\r\0\n\0"
                    "2\0 \0"
                    "3\0",
                    18), // UTF-16 LE
        std::string("\xFE\xFF\0"
                    "1\0 \0"
                    "2\0\n\0"
                    "2\0 \0"
                    "3",
                    16), // UTF-16 BE
    };
    for (const std::string& bytes : files) {
        const WheelFileText file = DecodeWheelText(bytes);
        EXPECT_EQ(file.problem, "");
        EXPECT_EQ(AcquireMatrix(file.text).statusText, "IN MEMORY: 3 NUMBERS - IN 2 LINES")
            << bytes;
    }
    // Latin-1: a no-break space, read as itself, then refused by ACQUIRE.
    EXPECT_EQ(DecodeWheelText("1 2\n2\xA0"
                              "3")
                  .text,
              "1 2\n2\xC2\xA0"
              "3");
    EXPECT_EQ(DecodeWheelText("1 \xF0\x9F\x98\x80").text, "1 \xF0\x9F\x98\x80"); // UTF-8, 4 bytes
    // Characters beyond the first 65536 come in pairs in UTF-16; half a pair is replaced.
    EXPECT_EQ(DecodeWheelText(std::string("\xFF\xFE\x3D\xD8\x00\xDE\x3D\xD8", 8)).text,
              "\xF0\x9F\x98\x80\xEF\xBF\xBD");
    EXPECT_EQ(DecodeWheelText(std::string("1 2\0 3", 6)).problem, "is not a text file");
    EXPECT_EQ(DecodeWheelText(std::string("\xFF\xFE"
                                          "1\0\0\0",
                                          6))
                  .problem,
              "is not a text file");
}

// Bytes that only look like UTF-8 are not: the file is Latin-1, byte for byte.
TEST(WheelFile, MalformedUtf8IsReadAsLatin1) {
    const struct {
        const char* bytes;
        const char* text;
    } files[] = {
        {"1 \xC0\x80", "1 \xC3\x80\xC2\x80"},                         // overlong NUL
        {"1 \xC1\xBF", "1 \xC3\x81\xC2\xBF"},                         // overlong DEL
        {"1 \xE0\x80\xAF", "1 \xC3\xA0\xC2\x80\xC2\xAF"},             // overlong '/'
        {"1 \xED\xA0\x80", "1 \xC3\xAD\xC2\xA0\xC2\x80"},             // a surrogate
        {"1 \xF4\x90\x80\x80", "1 \xC3\xB4\xC2\x90\xC2\x80\xC2\x80"}, // above U+10FFFF
        {"1 \xF5\x80\x80\x80", "1 \xC3\xB5\xC2\x80\xC2\x80\xC2\x80"}, // lead byte F5
        {"1 \xF7\xBF\xBF\xBF", "1 \xC3\xB7\xC2\xBF\xC2\xBF\xC2\xBF"}, // lead byte F7
        {"\xED\xA0\xA0", "\xC3\xAD\xC2\xA0\xC2\xA0"},                 // í and two no-break spaces
        {"1 \xE2\x82", "1 \xC3\xA2\xC2\x82"},                         // cut short at the end
    };
    for (const auto& file : files) {
        EXPECT_EQ(DecodeWheelText(file.bytes).text, file.text) << file.bytes;
    }
    // The last well-formed forms of each length stay UTF-8.
    for (const char* utf8 : {"\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80",
                             "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_EQ(DecodeWheelText(utf8).text, utf8);
    }
}

TEST(WheelFile, EmptyFilesAndHalfUnitsAreNotLostSilently) {
    for (const std::string bytes : {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        const WheelFileText file = DecodeWheelText(bytes);
        EXPECT_EQ(file.problem, "the file is empty") << bytes.size();
        EXPECT_EQ(file.text, "");
    }
    // UTF-16 with an odd number of bytes: the half unit at the end is shown, not dropped.
    EXPECT_EQ(DecodeWheelText(std::string("\xFF\xFE"
                                          "1\0 \0"
                                          "2",
                                          7))
                  .text,
              "1 \xEF\xBF\xBD");
}

TEST(WheelFile, FilesThatHoldNoWheelAreRefused) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "quorvex-wheel-file-test";
    fs::create_directories(folder);
    const fs::path large = folder / "large.txt";
    std::ofstream(large) << "1 2 3\n";
    fs::resize_file(large, kLargestWheelFile + 1); // sparse: takes no room
    const fs::path wheel = folder / "wheel.txt";
    std::ofstream(wheel) << "1 2\n";

    const std::pair<fs::path, std::string> refused[] = {
        {folder / "missing.txt", "no such file"}, {folder, "is a folder"},
        {"/dev/zero", "is not an ordinary file"}, {large, "is larger than 256 MB"},
        {"/proc/self/mem", "cannot be read"}, // opens, then every read fails
    };
    for (const auto& [path, problem] : refused) {
        const WheelFileText file = ReadWheelFile(path);
        EXPECT_EQ(file.problem, problem) << path;
        EXPECT_EQ(file.text, "") << path;
    }
    EXPECT_EQ(ReadWheelFile(wheel).text, "1 2\n");
    fs::remove_all(folder);
}

} // namespace
