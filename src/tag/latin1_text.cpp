#include "latin1_text.h"

QByteArray ToLatin1OrQuestionMark(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text)
        bytes.append(c.unicode() < 0x100 ? char(c.unicode()) : '?');
    return bytes;
}
