#include "form_scale.h"

#include "twips.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace {

constexpr char ScaleProperty[] = "formScale";
constexpr double LargestScale = 4.0;
constexpr double Granularity = 64.0; // steps of 1/64 keep the fit from creeping

// How much larger the widget must be for its caption to fit: the room the
// text needs over the room it has, across and down (1 or less: it fits).
// `chrome` is what the widget keeps for itself around the text (frame,
// indicator, margins): the style's own measure, so the text is judged
// against the very rectangle the style draws it in.
double shortfall(QSize text, QSize chrome, QSize have)
{
    if (have.width() <= 0 || have.height() <= 0)
        return LargestScale;
    return std::max(double(text.width() + chrome.width()) / have.width(),
                    double(text.height() + chrome.height()) / have.height());
}

QSize captionSize(const QWidget *widget, const QString &text)
{
    const QFontMetrics metrics = widget->fontMetrics();
    return {metrics.size(Qt::TextShowMnemonic, text).width(), metrics.height()};
}

// Room the style keeps beside the caption of a button, check box or option
// button: the widget's size less the rectangle the caption goes into.
QSize buttonChrome(const QAbstractButton *button)
{
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect room = button->style()->subElementRect(contents, &option, button);
    return button->size() - room.size();
}

double groupShortfall(const QGroupBox *group)
{
    if (group->title().isEmpty())
        return 0;
    // The title sits in the frame's top edge, above the first row of controls.
    int firstRow = group->height();
    for (const QWidget *child : group->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        firstRow = std::min(firstRow, child->y());
    const QSize text = captionSize(group, group->title());
    constexpr int TitleInset = 8; // each side, as the styles draw it
    return shortfall(text, {2 * TitleInset, 0}, {group->width(), firstRow});
}

double labelShortfall(const QLabel *label)
{
    if (label->text().isEmpty())
        return 0; // a picture
    if (label->wordWrap()) {
        // Wider lines make fewer of them: the room a wrapped text needs falls
        // as the room it has grows, so the shortfall is the square root.
        const int needed = label->heightForWidth(label->contentsRect().width());
        return std::sqrt(double(needed) / label->contentsRect().height());
    }
    const QSize text = label->fontMetrics().size(0, label->text());
    return shortfall(text, label->size() - label->contentsRect().size(), label->size());
}

// A text field or drop-down list must show its text's full height.
double fieldShortfall(const QWidget *field)
{
    const QFontMetrics metrics = field->fontMetrics();
    QRect room;
    if (const auto *list = qobject_cast<const QComboBox *>(field)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        room = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                             QStyle::SC_ComboBoxEditField, list);
    } else {
        // The frame and a pixel of margin above and below the text.
        const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
        room = field->rect().adjusted(0, frame + 1, 0, -frame - 1);
    }
    return double(metrics.height() + field->height() - room.height()) / field->height();
}

double shortfallOf(const QWidget *widget)
{
    if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        return groupShortfall(group);
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return labelShortfall(label);
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        if (button->text().isEmpty())
            return 0;
        return shortfall(captionSize(button, button->text()), buttonChrome(button),
                         button->size());
    }
    // A spin box is a field; the text field inside it is the spin box's own
    // business, fitted by its style within the box.
    if (qobject_cast<const QAbstractSpinBox *>(widget->parentWidget()))
        return 0;
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget)
        || qobject_cast<const QAbstractSpinBox *>(widget))
        return fieldShortfall(widget);
    return 0;
}

double largestShortfall(const QWidget *form)
{
    double largest = 0;
    for (const QWidget *widget : form->findChildren<QWidget *>()) {
        if (widget->window() == form->window() && widget->isVisibleTo(form))
            largest = std::max(largest, shortfallOf(widget));
    }
    return largest;
}

void fitForm(QWidget *form)
{
    double scale = 1.0;
    ScaleTwips(form, scale);
    // Most needs grow in step with the scale; a wrapped text and the pixel
    // rounding do not quite, so measure again until everything fits.
    for (int round = 0; round < 8; ++round) {
        const double needed = largestShortfall(form);
        if (needed <= 1.0 || scale >= LargestScale)
            break;
        scale = std::min(LargestScale, std::ceil(scale * needed * Granularity) / Granularity);
        ScaleTwips(form, scale);
    }
    form->setProperty(ScaleProperty, scale);
}

class RefitOnFontChange : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Sent once the form and all its controls carry the new font.
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            fitForm(static_cast<QWidget *>(watched));
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void FitToFont(QWidget *form)
{
    fitForm(form);
    form->installEventFilter(new RefitOnFontChange(form));
}

double FormScale(const QWidget *form)
{
    return form->property(ScaleProperty).toDouble();
}
