#include "twips.h"

#include <QRect>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace {

constexpr double TwipsPerPixel = 15.0;

// Where a widget's designed twips are kept.
constexpr char PlaceProperty[] = "twipsPlace";
constexpr char ClientSizeProperty[] = "twipsClientSize";

void place(QWidget *widget, const QRect &twips, double scale)
{
    widget->setGeometry(TwipsToPixels(twips.left(), widget, scale),
                        TwipsToPixels(twips.top(), widget, scale),
                        TwipsToPixels(twips.width(), widget, scale),
                        TwipsToPixels(twips.height(), widget, scale));
}

void fixClientSize(QWidget *form, const QSize &twips, double scale)
{
    form->setFixedSize(TwipsToPixels(twips.width(), form, scale),
                       TwipsToPixels(twips.height(), form, scale));
}

void scaleOne(QWidget *widget, double scale)
{
    if (const QVariant twips = widget->property(PlaceProperty); twips.isValid())
        place(widget, twips.toRect(), scale);
    if (const QVariant twips = widget->property(ClientSizeProperty); twips.isValid())
        fixClientSize(widget, twips.toSize(), scale);
}

} // namespace

int TwipsToPixels(int twips, const QWidget *widget, double scale)
{
    return int(std::lround(twips / TwipsPerPixel * widget->logicalDpiX() / 96.0 * scale));
}

void PlaceInTwips(QWidget *widget, int left, int top, int width, int height)
{
    const QRect twips(left, top, width, height);
    widget->setProperty(PlaceProperty, twips);
    place(widget, twips, 1.0);
}

void FixClientSizeInTwips(QWidget *form, int width, int height)
{
    const QSize twips(width, height);
    form->setProperty(ClientSizeProperty, twips);
    fixClientSize(form, twips, 1.0);
}

void ScaleTwips(QWidget *form, double scale)
{
    scaleOne(form, scale);
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        if (widget->window() == form->window()) // not a dialog opened over it
            scaleOne(widget, scale);
    }
}
