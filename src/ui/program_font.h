#pragma once

// One text size for every window, menu and message box of the program, so it
// reads as one: the largest, from the platform's default down, at which every
// caption of every window fits the box the form gives it. Becomes the
// application's font; call it once before the first window opens.
void UseOneFontForAllWindows();
