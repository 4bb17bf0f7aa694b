// The tool's own texts. Sources are UTF-8; the compiler turns every literal into GBK bytes.
#pragma once

namespace roomname::texts {

constexpr char kRoomNameSuffix[] = "\\rez\\UI\\Scripts\\roomname.txt";
constexpr char kDetectionSentinel[] = "自动搜寻目录失败，请手动选择";
constexpr char kGameRegistryValue[] = "SOFTWARE\\Tencent\\CrossFire\\uninstallpath";
constexpr char kPickerInstruction[] = "选择CF目录";

constexpr char kReminderCaption[] = "Morvane提醒您";
constexpr char kChangedTo[] = "成功修改为\"";
constexpr char kChangeFailed[] = "修改失败";
constexpr char kDirectoryRight[] = "目录选择正确";
constexpr char kDirectoryWrong[] = "目录选择错误";

}  // namespace roomname::texts
