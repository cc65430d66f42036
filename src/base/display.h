#pragma once

// Whether an X11 display is named (a terminal such as xterm needs one).
bool X11DisplayNamed();

// Whether any display the windows could open on is named: X11, Wayland, or a
// Qt platform chosen by hand.
bool DisplayNamed();
