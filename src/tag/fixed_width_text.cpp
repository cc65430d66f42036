#include "fixed_width_text.h"

#include <QTextBoundaryFinder>

namespace Module1 {

QString FixWidth(QStringView text, qsizetype width)
{
    if (width <= 0)
        return {};
    // Composed first, so a decomposed "é" (files copied from macOS) is one
    // character; a cut then falls only between letters, never inside one
    // (a letter with a mark of its own, a character beyond 16 bits).
    QString fixed = text.toString().normalized(QString::NormalizationForm_C);
    if (fixed.size() > width) {
        QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, fixed);
        letters.setPosition(width);
        if (!letters.isAtBoundary())
            letters.toPreviousBoundary();
        fixed.truncate(qMax<qsizetype>(0, letters.position()));
    }
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
