#pragma once
// The main frame's menu tree and toolbar as data: captions, use names and tips exactly as
// the user sees them.

#include <span>

namespace ntx {

struct FrameMenuEntry {
    int number;  // control number: -1, -2, ... in menu order
    int parent;  // number of the menu it belongs to; 0 for the menu bar
    bool isMenu;
    const char* caption;
    const char* useName;   // "?FILEMENU"
    const char* tip;       // shown in the status bar's first zone; may be empty
    const char* shortcut;  // keyboard shortcut, empty when none
};

struct FrameToolEntry {
    int number;
    bool isButton;  // otherwise a 30-character text
    const char* text;
    const char* useName;
    const char* tip;
    const char* icon;
};

[[nodiscard]] std::span<const FrameMenuEntry> frameMenus();
[[nodiscard]] std::span<const FrameToolEntry> frameTools();

}  // namespace ntx
