#pragma once
// Context help of a window of its own (a dialog over the frame): F1 pressed anywhere in it
// shows its topic of the help file. The frame's F1 shortcut cannot do this for a window-modal
// dialog, which blocks the frame and so its shortcuts; the topic is also kept as the
// window's "helpTopic" property, where the frame's F1 looks.

#include <string>

class QWidget;

namespace ntx {

class HelpService;

// Sets up `topic` as the help of `window` for as long as the window lives. `help` must
// outlive the window.
void setUpWindowHelp(QWidget* window, HelpService& help, std::string topic);

}  // namespace ntx
