// The fatal stop's texts, pinned as GBK bytes, and their behaviour in a buffer that is too small.
#include "app/fatal_report.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

// "运行时出错!\r\n\r\n错误信息："
const std::string kReportHead =
    "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";
const std::string kAllocHead = "\xB7\xD6\xC5\xE4 ";                              // "分配 "
const std::string kAllocTail = " \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";  // " 字节内存失败!"

TEST(FatalReport, IsHeadMessageAndLineBreak) {
    const struct {
        const char* message;
        std::string expected;
    } cases[] = {
        {"\xD4\xD8\xC8\xEB", kReportHead + "\xD4\xD8\xC8\xEB\r\n"},
        {"", kReportHead + "\r\n"},
        {nullptr, kReportHead + "\r\n"},
    };
    for (const auto& c : cases) {
        char out[256];
        frame::FormatFatalReport(c.message, out, sizeof out);
        EXPECT_EQ(c.expected, out) << "message " << (c.message ? c.message : "(null)");
    }
}

TEST(FatalReport, IsCutToTheBufferAndStaysTerminated) {
    char out[8];
    std::memset(out, 'x', sizeof out);
    frame::FormatFatalReport("message", out, sizeof out);
    EXPECT_EQ(kReportHead.substr(0, 7), out);

    char untouched = 'x';
    frame::FormatFatalReport("message", &untouched, 0);
    EXPECT_EQ('x', untouched);
}

TEST(AllocationFailure, CarriesTheByteCountInDecimal) {
    const struct {
        std::size_t bytes;
        const char* digits;
    } cases[] = {
        {0, "0"},
        {7, "7"},
        {1234567890, "1234567890"},
        {SIZE_MAX, SIZE_MAX == UINT64_MAX ? "18446744073709551615" : "4294967295"},
    };
    for (const auto& c : cases) {
        char out[64];
        frame::FormatAllocationFailure(c.bytes, out, sizeof out);
        EXPECT_EQ(kAllocHead + c.digits + kAllocTail, out) << c.bytes << " bytes";
    }
}

}  // namespace
