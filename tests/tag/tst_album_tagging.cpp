#include "tag/album_tagging.h"
#include "tag/wav_tags.h"

#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TagFields)
Q_DECLARE_METATYPE(SharedFields)

char *toString(const TagFields &fields)
{
    return QTest::toString(QStringList{fields.title, fields.artist, fields.album, fields.year,
                                       fields.genre, fields.comment}
                               .join(u'|'));
}

namespace {

const TagFields Own{u"Own title"_s, u"Own artist"_s, u"Own album"_s,
                    u"1990"_s,      u"Rock"_s,       u"Own comment"_s};

SharedFields with(const std::function<void(SharedFields &)> &set)
{
    SharedFields shared;
    set(shared);
    return shared;
}

} // namespace

// The shared fields of several files, applied to one file's texts.
class TestAlbumTagging : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void taggedFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<SharedFields>("shared");
        QTest::addColumn<TagFields>("expected");

        QTest::newRow("nothing ticked keeps the file's own texts")
            << u"01 - Intro.wav"_s << SharedFields{} << Own;
        QTest::newRow("ticked fields replace, the others stay")
            << u"01 - Intro.wav"_s
            << with([](SharedFields &s) { s.artist = u"Band"_s; s.album = u"Album"_s; })
            << TagFields{u"Own title"_s, u"Band"_s, u"Album"_s, u"1990"_s, u"Rock"_s,
                         u"Own comment"_s};
        QTest::newRow("a ticked empty field empties it")
            << u"x.wav"_s << with([](SharedFields &s) { s.comment = u""_s; })
            << TagFields{u"Own title"_s, u"Own artist"_s, u"Own album"_s, u"1990"_s, u"Rock"_s,
                         u""_s};
        QTest::newRow("every field ticked")
            << u"x.wav"_s
            << SharedFields{u"A"_s, u"B"_s, u"2026"_s, u"Jazz+Funk"_s, u"C"_s, false}
            << TagFields{u"Own title"_s, u"A"_s, u"B"_s, u"2026"_s, u"Jazz+Funk"_s, u"C"_s};
        QTest::newRow("titles from names")
            << u"01 - Intro.wav"_s << with([](SharedFields &s) { s.titlesFromFileNames = true; })
            << TagFields{u"Intro"_s, u"Own artist"_s, u"Own album"_s, u"1990"_s, u"Rock"_s,
                         u"Own comment"_s};
        QTest::newRow("name gives the artist while it is not ticked")
            << u"02 - Nina Simone - Sinnerman.wav"_s
            << with([](SharedFields &s) { s.titlesFromFileNames = true; })
            << TagFields{u"Sinnerman"_s, u"Nina Simone"_s, u"Own album"_s, u"1990"_s, u"Rock"_s,
                         u"Own comment"_s};
        QTest::newRow("ticked artist keeps the name whole")
            << u"02 - Nina Simone - Sinnerman.wav"_s
            << with([](SharedFields &s) {
                   s.artist = u"Various"_s;
                   s.titlesFromFileNames = true;
               })
            << TagFields{u"Nina Simone - Sinnerman"_s, u"Various"_s, u"Own album"_s, u"1990"_s,
                         u"Rock"_s, u"Own comment"_s};
        QTest::newRow("cut to the widths")
            << u"01 - A title that is longer than thirty characters.wav"_s
            << with([](SharedFields &s) {
                   s.artist = QString(40, u'a');
                   s.year = u"2026-01"_s;
                   s.titlesFromFileNames = true;
               })
            << TagFields{u"A title that is longer than th"_s, QString(30, u'a'), u"Own album"_s,
                         u"2026"_s, u"Rock"_s, u"Own comment"_s};
        QTest::newRow("a genre the table lacks shows as it encodes")
            << u"x.wav"_s << with([](SharedFields &s) { s.genre = u"rock"_s; })
            << TagFields{u"Own title"_s, u"Own artist"_s, u"Own album"_s, u"1990"_s,
                         u"Sound Clip"_s, u"Own comment"_s};
        QTest::newRow("the whole text for the ID3v2 tag, composed before the cut")
            << u"01 - Caf\u0065\u0301 at the end of a long, long road.wav"_s
            << with([](SharedFields &s) { s.titlesFromFileNames = true; })
            << TagFields{u"Caf\u00e9 at the end of a long, lon"_s, u"Own artist"_s, u"Own album"_s,
                         u"1990"_s, u"Rock"_s, u"Own comment"_s};
        QTest::newRow("trailing blanks go, leading stay")
            << u"x.wav"_s << with([](SharedFields &s) { s.album = u"  Album  "_s; })
            << TagFields{u"Own title"_s, u"Own artist"_s, u"  Album"_s, u"1990"_s, u"Rock"_s,
                         u"Own comment"_s};
    }
    void taggedFields()
    {
        QFETCH(QString, name);
        QFETCH(SharedFields, shared);
        QFETCH(TagFields, expected);
        const AlbumFile file{name, Own, {}, {}};
        QCOMPARE(TaggedFields(file, shared), expected);
        // Whole, each text is what the entry holds uncut.
        const TagFields whole = TaggedFields(file, shared, true);
        QCOMPARE(MakeTagEntry(whole), MakeTagEntry(expected));
        // The entry holds what the preview shows, the genre as it was given.
        const QString entry = TaggedEntry(file, shared);
        QCOMPARE(entry.size(), TagEntryLength);
        TagFields stored = TrimmedFields(ReadTagEntry(entry));
        QCOMPARE(stored.genre, shared.genre.value_or(Own.genre));
        stored.genre = expected.genre;
        QCOMPARE(stored, expected);
    }

    void emptyGenreShowsAsSoundClip()
    {
        const AlbumFile file{u"x.wav"_s, {}, {}, {}};
        QCOMPARE(TaggedFields(file, {}).genre, u"Sound Clip"_s);
        QCOMPARE(ReadTagEntry(TaggedEntry(file, {})).genre, QString(30, u' '));
    }

    // Track numbers: "disc-track" per file, the total where all share a source.
    void albumTracks_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("wavTracks");
        QTest::addColumn<bool>("inListOrder");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("from the names, with the total")
            << QStringList{u"01 - Калинка.wav"_s, u"02 - 夜明け.wav"_s, u"03 - Road.wav"_s}
            << QStringList{u""_s, u""_s, u""_s} << false
            << QStringList{u"1/3"_s, u"2/3"_s, u"3/3"_s};
        QTest::newRow("disc from the name")
            << QStringList{u"1-04 Finale.wav"_s} << QStringList{u""_s} << false
            << QStringList{u"1-4/1"_s};
        QTest::newRow("from the WAVs' tags, their totals replaced")
            << QStringList{u"Intro.wav"_s, u"Outro.wav"_s} << QStringList{u"7/9"_s, u"8"_s}
            << false << QStringList{u"7/2"_s, u"8/2"_s};
        QTest::newRow("mixed sources: no total")
            << QStringList{u"01 Intro.wav"_s, u"Outro.wav"_s} << QStringList{u""_s, u"9"_s}
            << false << QStringList{u"1"_s, u"9"_s};
        QTest::newRow("one without a number: no total")
            << QStringList{u"01 Intro.wav"_s, u"Outro.wav"_s} << QStringList{u""_s, u""_s}
            << false << QStringList{u"1"_s, u""_s};
        // "sheet:" marks an image's track, numbered by its sheet.
        QTest::newRow("an image's tracks as their sheet numbers them, beside a file of its own")
            << QStringList{u"07 cd.wav"_s, u"07 cd.wav"_s, u"03 - Road.wav"_s}
            << QStringList{u"sheet:1/12"_s, u"sheet:2/12"_s, u""_s} << false
            << QStringList{u"1/12"_s, u"2/12"_s, u"3/1"_s};
        QTest::newRow("in list order, whatever the names say")
            << QStringList{u"05 b.wav"_s, u"a.wav"_s} << QStringList{u""_s, u"3"_s} << true
            << QStringList{u"1/2"_s, u"2/2"_s};
    }
    void albumTracks()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, wavTracks);
        QFETCH(bool, inListOrder);
        QFETCH(QStringList, expected);
        QList<AlbumFile> files;
        for (qsizetype i = 0; i < names.size(); ++i) {
            const bool sheet = wavTracks[i].startsWith(u"sheet:"_s);
            files.append({names[i], Own, sheet ? QString() : wavTracks[i], {},
                          sheet ? std::optional(SheetPlace{wavTracks[i].mid(6), {}, {}, {}})
                                : std::nullopt});
        }
        SharedFields shared;
        shared.tracksInListOrder = inListOrder;
        QStringList got;
        for (const TrackNumbers &numbers : AlbumTracks(files, shared))
            got.append(numbers.disc.isEmpty() ? numbers.track : numbers.disc + u'-' + numbers.track);
        QCOMPARE(got, expected);
    }

    void newEntryReadsEmpty()
    {
        QCOMPARE(TrimmedFields(ReadTagEntry(NewTagEntry())), TagFields());
    }

    // A WAV's own tags take the entry's place field by field; what the WAV
    // leaves empty (a genre not in the table comes as empty) stays.
    void wavTagsOverTheEntry()
    {
        const TagFields wav{u"Wav title"_s, {}, u"Wav album"_s, {}, {}, u"Wav comment"_s};
        QCOMPARE(WithWavTags(Own, wav),
                 (TagFields{u"Wav title"_s, u"Own artist"_s, u"Wav album"_s, u"1990"_s, u"Rock"_s,
                            u"Wav comment"_s}));
        QCOMPARE(WithWavTags(Own, {}), Own);
    }
};

QTEST_APPLESS_MAIN(TestAlbumTagging)
#include "tst_album_tagging.moc"
