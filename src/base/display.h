#pragma once

#include <QString>

// Whether an X11 display is named (a terminal such as xterm needs one).
bool X11DisplayNamed();

// Whether any display the windows could open on is named: X11, Wayland, or a
// Qt platform chosen by hand.
bool DisplayNamed();

// The Qt platform the windows open on, or empty for Qt's own choice. On a
// Wayland session that also offers XWayland (DISPLAY named) it is X11 first
// ("xcb", then "wayland" should XWayland be gone), unless the user chose a
// platform (QT_QPA_PLATFORM). Under XWayland the window manager keeps each
// dialog over the main window and gives a minimised one back, the script's
// terminal (an X11 program) leaves the keyboard with the main window, and
// the windows are placed where the program puts them.
QString ChosenQtPlatform();
