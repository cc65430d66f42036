#pragma once

class QWidget;

// Twips are physical units, designed around the small font of their day. A
// larger font gets a larger form, as the designing system's own large-font
// mode did, and never a caption cut short: the form's twips are scaled by the
// least factor, at least 1, at which every caption, field and frame title
// fits its box in its own font. The form fits again whenever its font or
// style changes (a theme tool such as qt6ct sets its font after the windows
// are built). Call once the form's controls are placed.
void FitToFont(QWidget *form);

// The factor FitToFont last chose for `form`.
double FormScale(const QWidget *form);
