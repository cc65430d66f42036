// Renders every window with sample content into PNG files, for the README
// and for checking the layout by eye: take_screenshots OUTPUT-DIR WAV-DIR
// (run under a display, e.g. xvfb-run; LANGUAGE=de shows them in German).

#include "about_window.h"
#include "destination_dialog.h"
#include "directory_list.h"
#include "main_window.h"
#include "program_style.h"
#include "properties_dialog.h"
#include "setup_dialog.h"
#include "tag_selected_dialog.h"
#include "tracks_dialog.h"
#include "user_language.h"
#include "wav_file_list.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void save(QWidget &window, const QString &directory, const QString &name)
{
    window.show();
    QApplication::processEvents();
    const QString file = directory + u'/' + name + u".png"_s;
    if (!window.grab().save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    UseProgramStyle(); // as the program shows itself
    UseUserLanguage();
    QApplication::setWindowIcon(QIcon(u":/trelvin-sondrake.png"_s));
    if (argc != 3) {
        std::fprintf(stderr, "usage: take_screenshots OUTPUT-DIR WAV-DIR\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QString wavs = QString::fromLocal8Bit(argv[2]);
    QTemporaryDir program;

    Form1 main(program.path());
    main.Dir1->setPath(wavs);
    main.File1->setCurrentRow(0);
    main.File1->item(0)->setSelected(true);
    main.File1->item(1)->setSelected(true);
    save(main, output, u"main-window"_s);

    Form4 properties(main.File1->name(0),
                     ReadTagEntry(MakeTagEntry({u"Opening"_s, u"The Band"_s, u"First Album"_s,
                                                u"2026"_s, u"Jazz+Funk"_s, u"Live"_s})));
    save(properties, output, u"properties-dialog"_s);

    QList<AlbumFile> album;
    for (int i = 0; i < main.File1->count(); ++i)
        album.append({main.File1->name(i), {}, {}, {}});
    Form6 tagSelected(wavs, album, nullptr, true);
    tagSelected.Text1->setText(u"The Band"_s);
    tagSelected.Text2->setText(u"First Album"_s);
    tagSelected.Text3->setText(u"2026"_s);
    for (QCheckBox *box : {tagSelected.Check1, tagSelected.Check2, tagSelected.Check3})
        box->setChecked(true);
    tagSelected.Option2->setChecked(true);
    save(tagSelected, output, u"tag-selected-dialog"_s);

    // A CD image and its cue sheet, in a code page, as Encode shows them.
    QFile cue(program.filePath(u"Live.cue"_s));
    if (cue.open(QIODevice::WriteOnly)) {
        cue.write("PERFORMER \"The Band\"\nTITLE \"Live at the Caf\xE9\"\nFILE \"Live.wav\" WAVE\n"
                  "  TRACK 01 AUDIO\n    TITLE \"Opening\"\n    INDEX 01 00:00:00\n"
                  "  TRACK 02 AUDIO\n    TITLE \"Caf\xE9 Blues\"\n    INDEX 01 00:00:40\n"
                  "  TRACK 03 AUDIO\n    TITLE \"Finale\"\n    PERFORMER \"The Band & Guest\"\n"
                  "    INDEX 01 00:01:10\n");
        cue.close();
    }
    QFile::copy(QDir(wavs).filePath(main.File1->name(0)), program.filePath(u"Live.wav"_s));
    const std::optional<FoundSheet> sheet =
        FindTrackSheets(program.path(), {u"Live.wav"_s}, "windows-1252").value(0);
    if (sheet) {
        Form7 tracks(program.path(), u"Live.wav"_s, *sheet);
        save(tracks, output, u"tracks-dialog"_s);
    }

    Form2 setup({QDir::homePath(), 0, 1});
    save(setup, output, u"setup-dialog"_s);

    Form5 destination(wavs);
    save(destination, output, u"destination-dialog"_s);

    Form3 about(nullptr, AboutDetails::fromBuild());
    save(about, output, u"about-window"_s);
    return 0;
}
