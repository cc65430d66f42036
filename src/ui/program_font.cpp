#include "program_font.h"

#include "about_window.h"
#include "destination_dialog.h"
#include "properties_dialog.h"
#include "setup_dialog.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace {

constexpr double SmallestPointSize = 6.0;
constexpr double Step = 0.25;

// Room a push button needs: its caption's own width and the style's margins.
// Not its size hint, which the "windows" style never lets fall below 75
// pixels, while the forms' buttons are narrower.
int pushButtonWidthNeeded(const QPushButton *button)
{
    const QStyle *style = button->style();
    return button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width()
        + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
        + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
}

bool fits(const QWidget *widget)
{
    if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->fontMetrics().horizontalAdvance(group->title()) + 12 <= group->width();
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
        return label->sizeHint().width() <= label->width() + 2;
    }
    if (const auto *button = qobject_cast<const QPushButton *>(widget))
        return pushButtonWidthNeeded(button) <= button->width();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->sizeHint().width() <= button->width() + 2;
    return true;
}

bool allFit(const QWidget *form)
{
    const auto children = form->findChildren<QWidget *>();
    return std::all_of(children.begin(), children.end(), fits);
}

// The largest size, at most `from`, at which every caption of `form` fits.
double largestFittingSize(QWidget *form, double from)
{
    QFont font = form->font();
    double size = from;
    for (; size > SmallestPointSize; size -= Step) {
        font.setPointSizeF(size);
        form->setFont(font);
        if (allFit(form))
            break;
    }
    return size;
}

} // namespace

void UseOneFontForAllWindows(QWidget *mainWindowClient)
{
    double size = largestFittingSize(mainWindowClient, QApplication::font().pointSizeF());
    mainWindowClient->setFont(QFont()); // it takes the application's again
    Form2 setup({});
    size = largestFittingSize(&setup, size);
    Form3 about;
    size = largestFittingSize(&about, size);
    Form4 properties({}, {});
    size = largestFittingSize(&properties, size);
    Form5 destination({});
    size = largestFittingSize(&destination, size);
    QFont font = QApplication::font();
    font.setPointSizeF(size);
    QApplication::setFont(font);
}
