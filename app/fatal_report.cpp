#include "app/fatal_report.h"

namespace frame {
namespace {

// Appends as much of `text` as fits; keeps room for the terminator.
void Append(char* out, std::size_t outSize, std::size_t* used, const char* text) {
    while (*text && *used + 1 < outSize) out[(*used)++] = *text++;
    out[*used] = '\0';
}

}  // namespace

void FormatFatalReport(const char* message, char* out, std::size_t outSize) {
    if (outSize == 0) return;
    std::size_t used = 0;
    out[0] = '\0';
    Append(out, outSize, &used, "运行时出错!\r\n\r\n错误信息：");
    Append(out, outSize, &used, message ? message : "");
    Append(out, outSize, &used, "\r\n");
}

void FormatAllocationFailure(std::size_t bytes, char* out, std::size_t outSize) {
    if (outSize == 0) return;
    char digits[24];
    std::size_t n = sizeof digits - 1;
    digits[n] = '\0';
    do {
        digits[--n] = static_cast<char>('0' + bytes % 10);
        bytes /= 10;
    } while (bytes);
    std::size_t used = 0;
    out[0] = '\0';
    Append(out, outSize, &used, "分配 ");
    Append(out, outSize, &used, digits + n);
    Append(out, outSize, &used, " 字节内存失败!");
}

}  // namespace frame
