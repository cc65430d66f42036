#include "tag_entries.h"

#include "fixed_width_text.h"

using Module1::FixWidth;

QString NewTagEntry()
{
    return QString(NewTagEntryLength, u' ');
}

void ResetTagEntries(QStringList &entries, qsizetype count)
{
    entries.clear();
    entries.reserve(count);
    const QString blank = NewTagEntry(); // implicitly shared by every entry
    for (qsizetype i = 0; i < count; ++i)
        entries.append(blank);
}

TagFields ReadTagEntry(const QString &entry)
{
    return {entry.mid(0, 30),  entry.mid(30, 30),  entry.mid(60, 30),
            entry.mid(90, 4),  entry.mid(94, 30),  entry.mid(124, 30)};
}

QString MakeTagEntry(const TagFields &fields)
{
    return FixWidth(fields.title, 30) + FixWidth(fields.artist, 30) + FixWidth(fields.album, 30)
        + FixWidth(fields.year, 4) + FixWidth(fields.genre, 30) + FixWidth(fields.comment, 30);
}
