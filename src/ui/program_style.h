#pragma once

// The look of every window: a style the user asked for (QT_STYLE_OVERRIDE)
// or the desktop's own (Breeze on KDE, the one qt6ct sets) as it stands;
// otherwise Fusion, which draws in the desktop's palette, light or dark,
// with the edges of check boxes and option buttons drawn so they show on
// either. Call once the application exists.
void UseProgramStyle();
