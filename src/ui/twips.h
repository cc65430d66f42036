#pragma once

class QWidget;

// The windows are laid out in twips, as designed: 15 twips make a pixel at
// 96 dots per inch, scaled by the screen's logical DPI and by the form's
// scale, which grows past 1 when the user's font needs more room than the
// design gave (see form_scale.h).
int TwipsToPixels(int twips, const QWidget *widget, double scale = 1.0);

// Places `widget` at left, top, width, height in twips, relative to its
// parent, and keeps those twips for ScaleTwips.
void PlaceInTwips(QWidget *widget, int left, int top, int width, int height);

// Places `widget` and gives it back, for building a form in one expression.
template <typename Widget>
Widget *Placed(Widget *widget, int left, int top, int width, int height)
{
    PlaceInTwips(widget, left, top, width, height);
    return widget;
}

// Gives `form` a client area of width by height twips, fixed, and keeps it.
void FixClientSizeInTwips(QWidget *form, int width, int height);

// Places `form` and every control in it that was placed in twips again, at
// `scale` times the designed size.
void ScaleTwips(QWidget *form, double scale);
