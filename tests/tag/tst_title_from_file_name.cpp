#include "tag/title_from_file_name.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTitleFromFileName : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void titles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("splitArtist");
        QTest::addColumn<QString>("artist");
        QTest::addColumn<QString>("title");

        // The track number and its separator, in the forms rippers write.
        QTest::newRow("number, dash") << u"01 - Intro.wav"_s << false << u""_s << u"Intro"_s;
        QTest::newRow("number, dot") << u"01. Intro.wav"_s << false << u""_s << u"Intro"_s;
        QTest::newRow("number, underscore") << u"01_Intro.wav"_s << false << u""_s << u"Intro"_s;
        QTest::newRow("disc and track") << u"1-01 Intro.wav"_s << false << u""_s << u"Intro"_s;
        QTest::newRow("number, blank") << u"7 Intro.wav"_s << false << u""_s << u"Intro"_s;
        QTest::newRow("number, dash, no blanks") << u"12-Intro.wav"_s << false << u""_s
                                                 << u"Intro"_s;
        QTest::newRow("number, parenthesis") << u"03) Intro.wav"_s << false << u""_s << u"Intro"_s;
        QTest::newRow("no number") << u"Intro.wav"_s << false << u""_s << u"Intro"_s;

        // Underscores and blanks.
        QTest::newRow("underscores as blanks") << u"02_The_Long_Road.wav"_s << false << u""_s
                                               << u"The Long Road"_s;
        QTest::newRow("blank runs as one") << u"02 -   Two  Blanks .wav"_s << false << u""_s
                                           << u"Two Blanks"_s;

        // What must stay.
        QTest::newRow("only a number") << u"07.wav"_s << false << u""_s << u"07"_s;
        QTest::newRow("number and separator only") << u"07 - .wav"_s << false << u""_s
                                                    << u"07"_s;
        QTest::newRow("a year is no track number") << u"1999.wav"_s << false << u""_s
                                                   << u"1999"_s;
        QTest::newRow("four digits begin the title") << u"2001 A Space Odyssey.wav"_s << false
                                                     << u""_s << u"2001 A Space Odyssey"_s;
        QTest::newRow("dots inside") << u"04. Mr. Blue Sky.wav"_s << false << u""_s
                                     << u"Mr. Blue Sky"_s;
        QTest::newRow("dotted name") << u"a.b.c.wav"_s << false << u""_s << u"a.b.c"_s;
        QTest::newRow("only the last .wav goes") << u"mix.wav.wav"_s << false << u""_s
                                                 << u"mix.wav"_s;
        QTest::newRow("extension in capitals") << u"05 Loud.WAV"_s << false << u""_s
                                               << u"Loud"_s;
        QTest::newRow("no extension") << u"05 Raw"_s << false << u""_s << u"Raw"_s;
        QTest::newRow("name is only the extension") << u".wav"_s << false << u""_s << u".wav"_s;

        // Beyond ASCII.
        QTest::newRow("accents") << u"03 - Café del Mar.wav"_s << false << u""_s
                                 << u"Café del Mar"_s;
        QTest::newRow("Cyrillic") << u"09_Калинка.wav"_s << false << u""_s << u"Калинка"_s;
        QTest::newRow("Japanese") << u"10. 夜明け.wav"_s << false << u""_s << u"夜明け"_s;
        QTest::newRow("Arabic digits are no track number") << u"١٢ Song.wav"_s << false << u""_s
                                                           << u"١٢ Song"_s;

        // "Artist - Title", split only when asked.
        QTest::newRow("split") << u"Nina Simone - Sinnerman.wav"_s << true << u"Nina Simone"_s
                               << u"Sinnerman"_s;
        QTest::newRow("split after the number") << u"01 - Nina Simone - Sinnerman.wav"_s << true
                                                << u"Nina Simone"_s << u"Sinnerman"_s;
        QTest::newRow("split at the first dash") << u"A - B - C.wav"_s << true << u"A"_s
                                                 << u"B - C"_s;
        QTest::newRow("split with underscores") << u"Nina_Simone_-_Sinnerman.wav"_s << true
                                                << u"Nina Simone"_s << u"Sinnerman"_s;
        QTest::newRow("not split") << u"Nina Simone - Sinnerman.wav"_s << false << u""_s
                                   << u"Nina Simone - Sinnerman"_s;
        QTest::newRow("a hyphen is no dash") << u"Hip-Hop Song.wav"_s << true << u""_s
                                             << u"Hip-Hop Song"_s;
    }
    void titles()
    {
        QFETCH(QString, name);
        QFETCH(bool, splitArtist);
        QFETCH(QString, artist);
        QFETCH(QString, title);
        const NameParts parts = TitleFromFileName(name, splitArtist);
        QCOMPARE(parts.artist, artist);
        QCOMPARE(parts.title, title);
    }

    // The numbers a name gives: "disc-track", without leading zeros.
    void numbers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("track") << u"03 - The Long and Winding Road.wav"_s << u"3"_s;
        QTest::newRow("disc and track") << u"1-04 Finale.wav"_s << u"1-4"_s;
        QTest::newRow("only a number") << u"07.wav"_s << u"7"_s;
        QTest::newRow("no number") << u"Intro.wav"_s << u""_s;
        QTest::newRow("a year is none") << u"1999.wav"_s << u""_s;
    }
    void numbers()
    {
        QFETCH(QString, name);
        QFETCH(QString, numbers);
        const NameParts parts = TitleFromFileName(name, false);
        QCOMPARE(parts.disc.isEmpty() ? parts.track : parts.disc + u'-' + parts.track, numbers);
    }
};

QTEST_APPLESS_MAIN(TestTitleFromFileName)
#include "tst_title_from_file_name.moc"
