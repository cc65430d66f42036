#pragma once

class QWidget;

// The windows are laid out in twips, as designed: 15 twips make a pixel at
// 96 dots per inch, scaled by the screen's logical DPI.
int TwipsToPixels(int twips, const QWidget *widget);

// Places `widget` at left, top, width, height in twips, relative to its parent.
void PlaceInTwips(QWidget *widget, int left, int top, int width, int height);

// Places `widget` and gives it back, for building a form in one expression.
template <typename Widget>
Widget *Placed(Widget *widget, int left, int top, int width, int height)
{
    PlaceInTwips(widget, left, top, width, height);
    return widget;
}

// Gives `form` a client area of width by height twips, fixed.
void FixClientSizeInTwips(QWidget *form, int width, int height);
