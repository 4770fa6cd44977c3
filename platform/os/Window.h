#pragma once

class QWidget;

namespace Os {

// Keeps a window above others (or stops it) without moving, resizing or
// activating it.
void setAlwaysOnTop(QWidget* window, bool onTop);

// Closes an open native system menu; nothing to do where the window system
// draws no such menu of ours.
void endMenu();

}  // namespace Os
