#include "app/window_template.h"

#include <cstring>

namespace frame {
namespace {

const ControlTemplate kMainControls[] = {
    // 按钮2
    {"按钮2", ControlKind::PushButton, 146, 82, 96, 32, "更改房名", true, true, 0},
    // 透明标签2
    {"透明标签2", ControlKind::TransparentLabel, 8, 43, 56, 24, "默认房名:", true, false, 0},
    // 编辑框2
    {"编辑框2", ControlKind::EditBox, 66, 45, 192, 20, "Morvane制作", true, true, 0},
    // 透明标签1
    {"透明标签1", ControlKind::TransparentLabel, 8, 8, 74, 24, "选择CF目录:", true, false, 0},
    // 按钮1
    {"按钮1", ControlKind::PushButton, 10, 83, 96, 32, "选择目录", true, true, 0},
    // 编辑框1
    {"编辑框1", ControlKind::EditBox, 77, 10, 182, 20, "", true, true, 0},
};

// 窗口
const WindowTemplate kMainWindow = {
    "窗口",  "Morvane Ravelgate", 274, 153, ShowState::Centred, true,
    kMainControls, sizeof kMainControls / sizeof kMainControls[0],
};

bool KnownKind(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::TransparentLabel ||
           kind == ControlKind::EditBox;
}

}  // namespace

const WindowTemplate* MainWindowTemplate() { return &kMainWindow; }

bool TemplateReadable(const WindowTemplate* tmpl) {
    if (!tmpl || !tmpl->name || !tmpl->title || tmpl->width <= 0 || tmpl->height <= 0) return false;
    if (!tmpl->controls || tmpl->controlCount == 0 || tmpl->controlCount > kMaxControls) return false;
    for (std::size_t i = 0; i < tmpl->controlCount; ++i) {
        const ControlTemplate& c = tmpl->controls[i];
        if (!c.name || !c.text || !KnownKind(c.kind) || c.width < 0 || c.height < 0) return false;
    }
    return true;
}

int FindControl(const WindowTemplate& tmpl, const char* name) {
    for (std::size_t i = 0; i < tmpl.controlCount; ++i)
        if (std::strcmp(tmpl.controls[i].name, name) == 0) return static_cast<int>(i);
    return -1;
}

}  // namespace frame
