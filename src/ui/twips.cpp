#include "twips.h"

#include <QWidget>

#include <cmath>

namespace {

constexpr double TwipsPerPixel = 15.0;

} // namespace

int TwipsToPixels(int twips, const QWidget *widget)
{
    return int(std::lround(twips / TwipsPerPixel * widget->logicalDpiX() / 96.0));
}

void PlaceInTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(TwipsToPixels(left, widget), TwipsToPixels(top, widget),
                        TwipsToPixels(width, widget), TwipsToPixels(height, widget));
}

void FixClientSizeInTwips(QWidget *form, int width, int height)
{
    form->setFixedSize(TwipsToPixels(width, form), TwipsToPixels(height, form));
}
