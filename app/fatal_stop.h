// The fatal stop: an error box, then the process ends with exit code -1.
#pragma once

#include <cstddef>

namespace frame {

constexpr char kTemplateUnreadable[] = "载入窗口模板数据段出错!";
constexpr char kMainWindowFailed[] = "载入启动窗口失败";

[[noreturn]] void FatalStop(const char* message);
[[noreturn]] void FatalStopAllocation(std::size_t bytes);

}  // namespace frame
