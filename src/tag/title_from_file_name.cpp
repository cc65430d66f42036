#include "title_from_file_name.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// A track number of up to three digits, perhaps after a disc number ("1-01"),
// then a separator: a dash, a dot or a closing parenthesis with blanks
// around it, or blanks alone; or the number is the whole name. ASCII digits only: other scripts' digits are
// part of a title.
const QRegularExpression &trackNumber()
{
    static const QRegularExpression expression(
        u"^((?:([0-9]{1,2})-)?([0-9]{1,3}))(?: *[-.)] *| +|$)"_s);
    return expression;
}

QString withoutWavExtension(QStringView name)
{
    if (name.endsWith(u".wav", Qt::CaseInsensitive) && name.size() > 4)
        name.chop(4);
    return name.toString();
}

// Underscores as blanks, runs of blanks as one, none at either end.
QString tidied(QString text)
{
    text.replace(u'_', u' ');
    static const QRegularExpression blanks(u" {2,}"_s);
    text.replace(blanks, u" "_s);
    return text.trimmed();
}

} // namespace

NameParts TitleFromFileName(QStringView fileName, bool splitArtist)
{
    QString rest = tidied(withoutWavExtension(fileName));
    NameParts parts;
    const QRegularExpressionMatch number = trackNumber().match(rest);
    if (number.hasMatch()) {
        const QString title = rest.mid(number.capturedLength()).trimmed();
        // Numbers without their leading zeros: "04" is track 4.
        parts.disc = number.captured(2).isEmpty() ? QString() : QString::number(number.captured(2).toInt());
        parts.track = QString::number(number.captured(3).toInt());
        rest = title.isEmpty() ? number.captured(1) : title; // "07 - " is track 7's name
    }

    parts.title = rest;
    if (splitArtist) {
        const qsizetype dash = rest.indexOf(u" - "_s);
        if (dash > 0 && dash + 3 < rest.size()) {
            parts.artist = rest.left(dash).trimmed();
            parts.title = rest.mid(dash + 3).trimmed();
        }
    }
    return parts;
}
