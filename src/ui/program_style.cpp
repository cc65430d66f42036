#include "program_style.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

using namespace Qt::StringLiterals;

namespace {

// Fusion edges its boxes a shade darker than the window, which on a dark
// palette is dark on dark: an unchecked box all but vanishes. The edge is
// drawn again halfway between the window and its text, which shows on any
// palette.
class ClearEdgedFusion : public QProxyStyle {
public:
    ClearEdgedFusion() : QProxyStyle(QStyleFactory::create(u"Fusion"_s)) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton)
            return;
        const QColor window = option->palette.color(QPalette::Window);
        const QColor text = option->palette.color(QPalette::WindowText);
        const QColor edge((window.red() + text.red()) / 2, (window.green() + text.green()) / 2,
                          (window.blue() + text.blue()) / 2);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(edge);
        painter->setBrush(Qt::NoBrush);
        const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
        if (element == PE_IndicatorRadioButton)
            painter->drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
        else
            painter->drawRect(box);
        painter->restore();
    }
};

} // namespace

void UseProgramStyle()
{
    if (!qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
        return;
    const QString chosen = QApplication::style()->name();
    // Qt's plain fallbacks: the desktop named no style of its own.
    if (chosen.compare(u"fusion"_s, Qt::CaseInsensitive) == 0
        || chosen.compare(u"windows"_s, Qt::CaseInsensitive) == 0)
        QApplication::setStyle(new ClearEdgedFusion);
}
