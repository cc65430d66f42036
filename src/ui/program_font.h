#pragma once

class QWidget;

// One text size for every window, menu and message box of the program, so it
// reads as one: the largest, from the platform's default down, at which every
// caption of every window fits the box the form gives it. Becomes the
// application's font. `mainWindowClient` is measured as it stands (the main
// window is built only once); call this before any other window opens.
void UseOneFontForAllWindows(QWidget *mainWindowClient);
