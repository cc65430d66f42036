#include "fixed_width_text.h"

#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace Module1 {

namespace {

// A format character alone (a byte-order mark, a direction mark): nothing a
// person sees, so it takes no place in a field.
bool isInvisible(QStringView cluster)
{
    const QList<uint> characters = cluster.toUcs4();
    return std::all_of(characters.begin(), characters.end(), [](uint c) {
        return c >= 0x100 && QChar::category(c) == QChar::Other_Format;
    });
}

} // namespace

QString FixWidth(QStringView text, qsizetype width)
{
    if (width <= 0)
        return {};
    // Counted by the characters a person sees: composed first, so a
    // decomposed "é" (files copied from macOS) is one letter; then one place
    // per cluster (a letter with its marks, an emoji with its joiners), one
    // that takes more than one code unit written as "?", since no trailer
    // byte can hold it. So every cut falls between characters, and the text
    // is as many code units long as it has places.
    const QString composed = text.toString().normalized(QString::NormalizationForm_C);
    QString fixed;
    fixed.reserve(width);
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, composed);
    for (qsizetype start = 0, end = 0; fixed.size() < width && start < composed.size();
         start = end) {
        end = clusters.toNextBoundary();
        if (end < 0)
            break;
        const QStringView cluster = QStringView(composed).mid(start, end - start);
        if (!isInvisible(cluster))
            fixed += cluster.size() == 1 ? cluster.front() : QChar(u'?');
    }
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
