#include "latin1_text.h"

#include <QList>

QByteArray ToLatin1OrQuestionMark(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const uint c : text.toUcs4())
        bytes.append(c < 0x100 ? char(c) : '?');
    return bytes;
}

namespace {

QString cleaned(QStringView text, bool whole)
{
    const QString composed = text.toString().normalized(QString::NormalizationForm_C);
    QString clean;
    clean.reserve(composed.size());
    for (const uint c : composed.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Other_Format && c >= 0x100 && !whole)
            continue;
        if (category == QChar::Other_Control)
            clean += u' ';
        else if (QChar::requiresSurrogates(c) && !whole)
            clean += u'?';
        else
            clean += QStringView(QChar::fromUcs4(c));
    }
    return clean;
}

} // namespace

QString CleanTagText(QStringView text)
{
    return cleaned(text, false);
}

QString CleanWholeTagText(QStringView text)
{
    return cleaned(text, true);
}
