// The texts of a fatal stop, formatted into caller-owned buffers: a fatal stop may be the answer
// to a failed allocation, so nothing here allocates.
#pragma once

#include <cstddef>

namespace frame {

// "运行时出错!\r\n\r\n错误信息：" + message + "\r\n", cut to fit; always NUL-terminated.
void FormatFatalReport(const char* message, char* out, std::size_t outSize);

// "分配 %d 字节内存失败!" with %d the byte count in decimal; always NUL-terminated.
void FormatAllocationFailure(std::size_t bytes, char* out, std::size_t outSize);

}  // namespace frame
