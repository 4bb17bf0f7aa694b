// The last line of the room-name file, for every way its text can end and lines can split, at
// every chunk border the reader can meet.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fake_files.h"
#include "roomname/room_name_reader.h"

namespace roomname::testing {
namespace {

using std::string_literals::operator""s;

struct Case {
    const char* what;
    std::string bytes;
    std::optional<std::string> lastLine;  // nullopt: no line to show
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"empty file", "", std::nullopt},
        {"four written lines", "1\r\nABC\r\n1\r\nABC\r\n", "ABC"},
        {"no CR LF at all", "ABC", "ABC"},
        {"LF alone ends no line", "1\nA\nB\n", "1\nA\nB\n"},
        {"two CR LF pairs at the end", "ABC\r\n\r\n", ""},
        {"only CR LF", "\r\n", ""},
        {"only empty lines", "\r\n\r\n", ""},
        {"last line without CR LF", "A\r\nB", "B"},
        {"0x1A ends the text", "1\r\nA\r\n1\r\nB\r\n\x1AZ\r\n", "B"},
        {"0x00 ends the text", "1\r\nA\r\n1\r\nB\r\n\0Z\r\n"s, "B"},
        {"text ending at its first byte, 0x1A", "\x1A" "ABC\r\n", std::nullopt},
        {"text ending at its first byte, 0x00", "\0ABC\r\n"s, std::nullopt},
        {"0x1A inside a line", "A\r\nBC\x1A" "D", "BC"},
        {"lead takes CR: one line", "\x41\xB2\x0D\x0A\x42", "\x41\xB2\x0D\x0A\x42"},
        {"plain CR LF splits", "\x41\x0D\x0A\x42", "B"},
        {"lead takes 0x1A unexamined", "\xB2\x1A" "Z", "\xB2\x1A" "Z"},
        {"lead and 0x1A, then CR LF", "\xB2\x1A\r\nX", "X"},
        {"lead followed by 0x00 ends before the lead", "AB\xB2\0CD"s, "AB"},
        {"lead and 0x00 at the start", "\xB2\0AB"s, std::nullopt},
        {"lead and 0x00 after CR LF", "X\r\n\xB2\0Y"s, "X"},
        {"lead and 0x00 after a lone CR", "X\r\xB2\0"s, "X\r"},
        {"lead takes LF, pair before CR LF", "\xB2\n\r\nY", "Y"},
        {"two-byte characters and CR LF", "\xB2\xE2\r\n\xCA\xD4", "\xCA\xD4"},
        {"two-byte characters before final CR LF", "A\r\n\xB2\xE2\xCA\xD4\r\n", "\xB2\xE2\xCA\xD4"},
        {"lone CR at the end", "ABC\r", "ABC\r"},
        {"lone CR after CR LF", "AB\r\n\r", "\r"},
        {"CR CR LF", "A\r\r\nB\r\n", "B"},
        {"CR before a plain byte", "A\rB", "A\rB"},
        {"lead as the very last byte", "AB\xB2", "AB"},
        {"lead as the only byte", "\xB2", std::nullopt},
        {"lead as the last byte after CR LF", "AB\r\n\xB2", "AB"},
        {"lead whose trail is a backslash", "\xB2\x5C\r\n\xB2\x5C", "\xB2\x5C"},
        {"0x1A right after CR LF", "AB\r\n\x1A", "AB"},
        {"0x00 between CR and LF", "AB\r\0\nC"s, "AB\r"},
    };
    return cases;
}

std::optional<std::string> LastLineOf(const std::string& bytes, size_t chunkSize) {
    FakeFiles files;
    files.AddFile("f", bytes);
    std::unique_ptr<File> file = files.OpenRead("f");
    return ReadLastLine(*file, chunkSize);
}

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
        out += ' ';
    }
    return out;
}

class ReaderAtChunkSize : public ::testing::TestWithParam<size_t> {};

TEST_P(ReaderAtChunkSize, FindsTheLastLine) {
    for (const Case& c : Cases()) {
        EXPECT_EQ(LastLineOf(c.bytes, GetParam()), c.lastLine) << c.what << ": " << Hex(c.bytes);
    }
}

// The same cases behind a first line long enough that each case starts just before, at and just
// after a border of the default chunk; the first line stands in where a case has no line.
TEST_P(ReaderAtChunkSize, FindsTheLastLineAfterALongFirstLine) {
    for (size_t shift = 0; shift < 4; ++shift) {
        const std::string firstLine(kReadChunkSize - 3 + shift, 'a');
        for (const Case& c : Cases()) {
            EXPECT_EQ(LastLineOf(firstLine + "\r\n" + c.bytes, GetParam()),
                      c.lastLine.value_or(firstLine))
                << c.what << " at shift " << shift;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Chunks, ReaderAtChunkSize,
                         ::testing::Values(size_t{1}, size_t{2}, size_t{3}, kReadChunkSize));

TEST(Reader, ReturnsALastLineLongerThanItsBuffer) {
    std::string line;
    for (size_t i = 0; line.size() < 3 * kReadChunkSize; ++i) line += i % 3 ? "\xB2\xE2" : "x\r";
    EXPECT_EQ(LastLineOf("1\r\nA\r\n" + line, 0), line);
}

TEST(Reader, GivesNoLineWhenTheFileCannotBeRead) {
    FakeFiles files;
    files.AddFile("f", "1\r\nA\r\n");
    std::unique_ptr<File> file = files.OpenRead("f");
    files.failReads = true;
    EXPECT_EQ(ReadLastLine(*file), std::nullopt);
}

}  // namespace
}  // namespace roomname::testing
