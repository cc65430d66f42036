#include "wav_tag_text.h"

#include "genre_table.h"
#include "tag_entries.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBoundaryFinder>

using namespace Qt::StringLiterals;

QString DecodeUndeclaredText(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes = bytes.first(end);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

QString TagFieldText(QStringView text)
{
    QString line = text.toString();
    for (QChar &c : line) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    line = line.simplified();
    // No longer than a typed text may be (a 128 KiB comment would make the
    // script's tagging line too long for the shell), cut between characters.
    if (line.size() > LongestWholeText) {
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, line);
        characters.setPosition(LongestWholeText);
        if (!characters.isAtBoundary())
            characters.toPreviousBoundary();
        line.truncate(characters.position());
    }
    return line;
}

QString YearFromDate(QStringView date)
{
    static const QRegularExpression fourDigits(u"[0-9]{4}"_s);
    return fourDigits.match(date.toString()).captured();
}

QString TableGenre(QStringView genre)
{
    static const QRegularExpression number(u"^\\(?([0-9]{1,3})\\)?"_s);
    genre = genre.trimmed();
    const QRegularExpressionMatch numbered = number.match(genre.toString());
    if (numbered.hasMatch() && (numbered.capturedLength() == genre.size()
                                || genre.startsWith(u'(')))
        return Module1::GenreName(numbered.capturedView(1).toInt()).toString();
    for (int row = 0; row < Module1::GenreCount; ++row) {
        if (genre.compare(Module1::GenreName(row), Qt::CaseInsensitive) == 0)
            return Module1::GenreName(row).toString();
    }
    return {};
}
