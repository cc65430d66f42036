#include "tag_entries.h"

#include "fixed_width_text.h"

using Module1::FixWidth;
using Module1::TrimEnd;

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

TagFields WholeFields(const QString &entry, const TagExtras &extras)
{
    const TagFields cut = ReadTagEntry(entry);
    const auto whole = [](const QString &text, const QString &entryText, qsizetype width) {
        return !text.isEmpty() && FixWidth(text, width) == FixWidth(entryText, width)
            ? text
            : TrimEnd(entryText);
    };
    const TagFields &own = extras.whole;
    return {whole(own.title, cut.title, 30),    whole(own.artist, cut.artist, 30),
            whole(own.album, cut.album, 30),    whole(own.year, cut.year, 4),
            whole(own.genre, cut.genre, 30),    whole(own.comment, cut.comment, 30)};
}
