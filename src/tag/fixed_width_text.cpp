#include "fixed_width_text.h"

namespace Module1 {

QString FixWidth(QStringView text, qsizetype width)
{
    if (width <= 0)
        return {};
    QString fixed = text.left(width).toString();
    if (fixed.size() < width)
        fixed.append(QString(width - fixed.size(), u' '));
    return fixed;
}

QString TrimEnd(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.left(end).toString();
}

} // namespace Module1
