#include "twips.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <cmath>

namespace {

constexpr double TwipsPerPixel = 15.0;
constexpr double SmallestPointSize = 6.0;

// Whether the widget's text fits the box it was given.
bool fits(const QWidget *widget)
{
    if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->fontMetrics().horizontalAdvance(group->title()) + 12 <= group->width();
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
        return label->sizeHint().width() <= label->width() + 2;
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        const QSize needed = button->sizeHint();
        return needed.width() <= button->width() + 2;
    }
    return true;
}

bool allFit(const QWidget *form)
{
    const auto children = form->findChildren<QWidget *>();
    for (const QWidget *child : children) {
        if (!fits(child))
            return false;
    }
    return true;
}

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

void FitFontToBoxes(QWidget *form)
{
    QFont font = form->font();
    for (double size = font.pointSizeF(); size >= SmallestPointSize; size -= 0.5) {
        font.setPointSizeF(size);
        form->setFont(font);
        if (allFit(form))
            return;
    }
}
