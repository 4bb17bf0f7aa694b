// The main window's template: the window's own properties and its controls, as data.
#pragma once

#include <cstddef>

namespace frame {

enum class ControlKind { PushButton, TransparentLabel, EditBox };

enum class ShowState { Normal, Centred, Minimised, Maximised };

struct ControlTemplate {
    const char* name;  // the template name the event wiring refers to
    ControlKind kind;
    int left, top, width, height;  // outer size, from the client area's top-left corner
    const char* text;
    bool visible;
    bool tabStop;
    int tabKey;  // Tab visits ascending keys; among equal keys the later control comes first
};

struct WindowTemplate {
    const char* name;
    const char* title;
    int width, height;  // outer size, frame and title bar included
    ShowState show;
    bool visible;
    const ControlTemplate* controls;  // in template order: the first lies on top
    std::size_t controlCount;
};

constexpr std::size_t kMaxControls = 16;

// The template of 窗口.
const WindowTemplate* MainWindowTemplate();

// False for template data the frame cannot use: absent, empty or out-of-range entries.
bool TemplateReadable(const WindowTemplate* tmpl);

// Index of the named control in template order, or -1.
int FindControl(const WindowTemplate& tmpl, const char* name);

}  // namespace frame
