// Notices as task-modal message boxes without an owner.
#pragma once

#include "roomname/notices.h"

namespace app {

constexpr char kDefaultNoticeCaption[] = "信息：";

// The style of a notice: the icon code, task-modal unless it asks to be system-modal.
unsigned NoticeStyle(unsigned icon);

class Win32Notices : public roomname::Notices {
  public:
    void Show(const std::string& text, unsigned icon, const char* caption = nullptr) override;
};

}  // namespace app
