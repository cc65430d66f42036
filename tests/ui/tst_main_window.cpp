#include "directory_list.h"
#include "main_window.h"
#include "setup_dialog.h"
#include "tag_selected_dialog.h"
#include "tracks_dialog.h"
#include "support/audio_files.h"
#include "user_language.h"
#include "support/modal_watcher.h"
#include "wav_file_list.h"

#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QGroupBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <sndfile.h>
#include <QHash>
#include <QRegularExpression>
#include <QTranslator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QPoint centreOfRow(const WavFileList *list, int row)
{
    return list->visualItemRect(list->item(row)).center();
}

QList<int> selectedRows(const WavFileList *list)
{
    QList<int> rows;
    for (int i = 0; i < list->count(); ++i) {
        if (list->isSelected(i))
            rows << i;
    }
    return rows;
}

} // namespace

// A cue sheet of two tracks for a WAV of a second.
const QByteArray TwoTracks = // clazy:exclude=non-pod-global-static (a fixture)
    "TITLE \"Live\"\nPERFORMER \"Band\"\nFILE \"cd.wav\" WAVE\n"
    "  TRACK 01 AUDIO\n    TITLE \"One\"\n    INDEX 01 00:00:00\n"
    "  TRACK 02 AUDIO\n    TITLE \"Two\"\n    INDEX 01 00:00:50\n";

class TestMainWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_program; // the program's directory, with its settings
    QTemporaryDir m_wavs;
    QTemporaryDir m_other; // d.wav, readme.txt and empty/, for drops

    void writeSettings(const QByteArray &bytes)
    {
        QFile file(m_program.filePath(u"encoder.ini"_s));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QByteArray settingsFor(const QString &encoderPath, const QString &lastPath) const
    {
        return (u"[Directories]\r\nEncoderPath = "_s + encoderPath + u"\r\nLastPath = "_s + lastPath
                + u"\r\nDestination = "_s + m_wavs.path()
                + u"/\r\nSafeMode = 1\r\n[Switches]\r\nLoadMode = 0\r\n"_s)
            .toUtf8();
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString &name : {u"b.wav"_s, u"A.WAV"_s, u"c.Wav"_s, u"notes.txt"_s,
                                    u".hidden.wav"_s})
            touch(m_wavs.filePath(name));
        QVERIFY(QDir(m_wavs.path()).mkdir(u"sub"_s));
        QVERIFY(QDir(m_wavs.path()).mkdir(u".hidden dir"_s));
        // Only names whose target is a regular file: the encoder would wait
        // on a FIFO for ever.
        QVERIFY(QDir(m_wavs.path()).mkdir(u"folder.wav"_s));
        QCOMPARE(::mkfifo(QFile::encodeName(m_wavs.filePath(u"fifo"_s)).constData(), 0600), 0);
        QVERIFY(QFile::link(m_wavs.filePath(u"fifo"_s), m_wavs.filePath(u"piped.wav"_s)));
        QVERIFY(QFile::link(m_wavs.filePath(u"b.wav"_s), m_wavs.filePath(u"linked.wav"_s)));
        for (const QString &name : {u"d.wav"_s, u"readme.txt"_s})
            touch(m_other.filePath(name));
        // A name from an old system, not UTF-8.
        const int fd = ::open(QByteArray(QFile::encodeName(m_wavs.path()) + "/t\xFF.wav").constData(),
                              O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        QVERIFY(QDir(m_other.path()).mkdir(u"empty"_s));
    }

    // QTemporaryDir cannot remove a name that is not UTF-8.
    void cleanupTestCase()
    {
        ::unlink(QByteArray(QFile::encodeName(m_wavs.path()) + "/t\xFF.wav").constData());
    }

    void init() { writeSettings(settingsFor(m_program.path(), m_wavs.path())); }
    // Whatever a test left, even one that failed halfway.
    void cleanup()
    {
        for (const QString &name : {u"L3ENC"_s, u"TEMP.BAT"_s})
            QFile::remove(m_program.filePath(name));
        const QString locked = m_wavs.filePath(u"locked"_s);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(locked).removeRecursively();
    }

    void startStates()
    {
        Form1 window(m_program.path());
        window.Form_Load();
        QCOMPARE(window.windowTitle(), u"Trelvin Sondrake 1.41"_s);
        QVERIFY(window.Option9->isChecked());
        QVERIFY(window.Check3->isChecked());
        QVERIFY(!window.Check1->isChecked() && !window.Check2->isChecked()
                && !window.Check4->isChecked());
        QVERIFY(window.Command1->font().bold());
        QVERIFY(window.Label1->font().bold());
        QCOMPARE(window.AppPath, m_program.path() + u'/');
        QCOMPARE(window.Dir1->path(), m_wavs.path());
        // Directories without the hidden ones.
        QVERIFY(!window.Dir1->findItems(u"sub"_s, Qt::MatchEndsWith).isEmpty());
        QVERIFY(window.Dir1->findItems(u".hidden dir"_s, Qt::MatchEndsWith).isEmpty());
        // WAV names without regard to case, sorted the same way, no hidden ones.
        QStringList names;
        for (int i = 0; i < window.File1->count(); ++i)
            names << window.File1->name(i);
        // A name that is not UTF-8 last, shown as ls shows it, for Encode to refuse.
        QCOMPARE(names, QStringList({u"A.WAV"_s, u"b.wav"_s, u"c.Wav"_s, u"linked.wav"_s,
                                     u"'t'$'\\377''.wav'"_s}));
        QVERIFY(window.File1->nameNotUtf8(4) && !window.File1->nameNotUtf8(3));
        QCOMPARE(window.List1, QStringList(5, QString(125, u' ')));
    }

    void automaticDeleteWarning_data()
    {
        QTest::addColumn<int>("deleteWatch");
        QTest::addColumn<int>("warnings");
        QTest::newRow("SafeMode 1 warns each time") << 1 << 2;
        QTest::newRow("SafeMode 0 never") << 0 << 0;
        QTest::newRow("any other value never") << 2 << 0;
    }
    void automaticDeleteWarning()
    {
        QFETCH(int, deleteWatch);
        QFETCH(int, warnings);
        Form1 window(m_program.path());
        window.Form_Load();
        window.DeleteWatch = qint16(deleteWatch);
        window.show();
        QStringList texts;
        ModalWatcher watcher([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            texts << box->windowTitle() + u'|' + box->text();
            QCOMPARE(box->icon(), QMessageBox::Information);
            box->accept();
        });
        for (int click = 0; click < 4; ++click) // on, off, on, off
            QTest::mouseClick(window.Check4, Qt::LeftButton);
        QCOMPARE(watcher.seen(), warnings);
        if (warnings > 0)
            QCOMPARE(texts.first(),
                     u"Warning|You may regret this option if your WAV files are corrupt or the "
                     "resulting MP3 does not meet your satisfaction.  Don't say I didn't warn "
                     "you."_s);
        QVERIFY(!window.Check4->isChecked());
    }

    void rightButtonLeavesSelectionAlone()
    {
        Form1 window(m_program.path());
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WavFileList *list = window.File1;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOfRow(list, 0));
        QCOMPARE(selectedRows(list), QList<int>{0});

        QTest::mousePress(list->viewport(), Qt::RightButton, {}, centreOfRow(list, 2));
        QCOMPARE(selectedRows(list), QList<int>{0});
        QCOMPARE(list->currentRow(), 0);
        QTRY_VERIFY(window.Popup->isVisible());
        window.Popup->close();
        QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, centreOfRow(list, 2));
        QCOMPARE(selectedRows(list), QList<int>{0});
        QCOMPARE(list->currentRow(), 0);

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOfRow(list, 2));
        QCOMPARE(selectedRows(list), QList<int>{2});
        QVERIFY(!window.Popup->isVisible());
    }

    // Taking the focus back after the pop-up menu makes no file current, so
    // "Properties" still has nothing to edit.
    void focusMakesNoFileCurrent()
    {
        Form1 window(m_program.path());
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.File1->currentRow(), -1);
        window.Popup->popup(window.File1->mapToGlobal(QPoint(5, 5)));
        QTRY_VERIFY(window.Popup->isVisible());
        window.Popup->close();
        window.File1->setFocus(Qt::PopupFocusReason);
        QTRY_VERIFY(window.File1->hasFocus());
        QCOMPARE(window.File1->currentRow(), -1);
        QVERIFY(window.File1->selectedItems().isEmpty());
    }

    // In an option group only the chosen button is a tab stop, and the
    // keyboard starts on the chosen bitrate.
    void optionGroupsHaveOneTabStop()
    {
        Form1 window(m_program.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.focusWidget(), window.Option9);
        const auto tabStops = [&] {
            QList<QRadioButton *> stops;
            for (QRadioButton *option : window.Frame2->findChildren<QRadioButton *>()) {
                if (option->focusPolicy() & Qt::TabFocus)
                    stops << option;
            }
            return stops;
        };
        QCOMPARE(tabStops(), QList<QRadioButton *>{window.Option9});
        window.Option2->click();
        QCOMPARE(tabStops(), QList<QRadioButton *>{window.Option2});
    }

    // A directory that cannot be read does not open: the list stays.
    void unreadableDirectoryDoesNotOpen()
    {
        if (::geteuid() == 0)
            QSKIP("root reads every directory; runs again as an ordinary user");
        const QString locked = m_wavs.filePath(u"locked"_s);
        QVERIFY(QDir().mkpath(locked));
        QVERIFY(QFile::setPermissions(locked, QFile::ExeOwner | QFile::ExeGroup));
        Form1 window(m_program.path());
        window.Form_Load();
        QVERIFY(!window.Dir1->setPath(locked));
        QCOMPARE(window.Dir1->path(), m_wavs.path());
    }

    void directoryChangeResetsEntries()
    {
        Form1 window(m_program.path());
        window.Form_Load();
        window.List1[1] = u"edited"_s;
        QVERIFY(window.Dir1->setPath(m_wavs.filePath(u"sub"_s)));
        QCOMPARE(window.File1->count(), 0);
        QVERIFY(window.List1.isEmpty());
        QVERIFY(window.Dir1->setPath(m_wavs.path()));
        QCOMPARE(window.List1, QStringList(5, QString(125, u' ')));
        QVERIFY(!window.Dir1->setPath(m_wavs.filePath(u"gone"_s)));
        QCOMPARE(window.Dir1->path(), m_wavs.path());
    }

    void encodeWithNothingSelected()
    {
        Form1 window(m_program.path());
        window.Form_Load();
        const QString before = QDir::currentPath();
        ModalWatcher watcher([](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), u"Yikes!"_s);
            QCOMPARE(box->text(), u"Um... pick a file, Brainwick!"_s);
            QCOMPARE(box->icon(), QMessageBox::Warning);
            box->accept();
        });
        for (QAction *entry : {window.EncodeSelected, window.EncodeSelectedFiles})
            entry->trigger();
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QCOMPARE(watcher.seen(), 3);
        QVERIFY(!QFile::exists(m_program.filePath(u"TEMP.BAT"_s)));
        QCOMPARE(QDir::currentPath(), before);
    }

    void encodeHandsTheScriptToTheStarter()
    {
        Form1 window(m_program.path());
        window.Form_Load();
        touch(m_program.filePath(u"L3ENC"_s));
        QFile::setPermissions(m_program.filePath(u"L3ENC"_s), QFile::ReadOwner | QFile::ExeOwner);
        QStringList started;
        window.setScriptStarter([&](const QString &directory, const QString &name) {
            started << directory << name;
            return Result::success();
        });
        window.File1->item(1)->setSelected(true);
        QTest::mouseClick(window.Option2, Qt::LeftButton);
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QCOMPARE(started, QStringList({m_program.path(), u"TEMP.BAT"_s}));
        QFile script(m_program.filePath(u"TEMP.BAT"_s));
        QVERIFY(script.open(QIODevice::ReadOnly));
        const QByteArray text = script.readAll();
        QVERIFY(text.contains(QByteArray("/b.wav' '" + m_wavs.path().toUtf8()
                                        + "/b.mp3' -br 16000 -crc")));
        // A variable bitrate instead, its quality chosen beside it.
        QVERIFY(!window.Spin1->isEnabled());
        QTest::mouseClick(window.Option11, Qt::LeftButton);
        QVERIFY(window.Spin1->isEnabled());
        window.Spin1->setValue(4);
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        script.close();
        QVERIFY(script.open(QIODevice::ReadOnly));
        QVERIFY(script.readAll().contains(QByteArray("/b.mp3' -V 4 -crc")));
    }

    // Shows `folder` in `window`: cd.wav (1 s) with cd.cue holding `sheet`,
    // the encoder in place and the script kept, never started.
    void showImage(Form1 &window, const QTemporaryDir &folder, const QByteArray &sheet)
    {
        QVERIFY(WriteWav(folder.filePath(u"cd.wav"_s), {2, 44100, SF_FORMAT_PCM_16, 1.0}));
        QFile cue(folder.filePath(u"cd.cue"_s));
        QVERIFY(cue.open(QIODevice::WriteOnly) && cue.write(sheet) == sheet.size());
        cue.close();
        window.Form_Load();
        touch(m_program.filePath(u"L3ENC"_s));
        QFile::setPermissions(m_program.filePath(u"L3ENC"_s), QFile::ReadOwner | QFile::ExeOwner);
        window.setScriptStarter([](const QString &, const QString &) { return Result::success(); });
        QVERIFY(window.Dir1->setPath(folder.path()));
    }

    // A selected CD image with its cue sheet: Encode says what it becomes,
    // and the answer is the script's: a range of frames per track, or the
    // WAV whole; a sheet that cannot be used says why and offers it whole.
    void encodeAsksWhatAnImageBecomes_data()
    {
        QTest::addColumn<QByteArray>("sheet");
        QTest::addColumn<QString>("note");   // the file list's, for the WAV
        QTest::addColumn<QString>("button"); // pressed in the dialog; empty: none asks
        QTest::addColumn<QString>("shown");  // in its text
        QTest::addColumn<QByteArray>("script"); // in the script; empty: none written
        const QByteArray good = TwoTracks;
        const QString lists = u"cd.cue lists 2 tracks"_s;
        QTest::newRow("its tracks") << good << lists << u"Command1"_s << u"Tracks listed in cd.cue: 2."_s
                                    << "/01 - One.mp3' -br 128000 -crc -from 0 -to 29400"_ba;
        QTest::newRow("whole") << good << lists << u"Command2"_s << u"Tracks listed in cd.cue: 2."_s
                               << "/cd.mp3' -br 128000 -crc 2>"_ba;
        QTest::newRow("cancelled") << good << lists << u"Command3"_s << QString() << QByteArray();
        QTest::newRow("a sheet that cannot be used")
            << "FILE \"cd.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:99:00\n"_ba
            << u"cd.cue cannot be used: line 3"_s << u"Command2"_s
            << u"cd.cue cannot be used: line 3: no valid time"_s << "/cd.mp3' -br 128000 -crc"_ba;
        QTest::newRow("a track of a per-track rip: one MP3 with the sheet's tags, nothing asked")
            << "PERFORMER \"Band\"\nTITLE \"Live\"\nFILE \"01.wav\" WAVE\n  TRACK 01 AUDIO\n"
               "    INDEX 01 00:00:00\nFILE \"cd.wav\" WAVE\n  TRACK 02 AUDIO\n    TITLE \"Second\"\n"
               "    INDEX 01 00:00:00\n"_ba
            << u"Its tags come from cd.cue."_s << QString() << QString()
            << "SONDRAKE_TITLE='Second' SONDRAKE_ARTIST='Band' SONDRAKE_ALBUM='Live'"_ba;
    }
    void encodeAsksWhatAnImageBecomes()
    {
        QFETCH(QByteArray, sheet);
        QFETCH(QString, note);
        QFETCH(QString, button);
        QFETCH(QString, shown);
        QFETCH(QByteArray, script);
        QTemporaryDir cd;
        Form1 window(m_program.path());
        showImage(window, cd, sheet);
        // The list says it before Encode, to the eye and to a screen reader.
        const QString said = window.File1->item(0)->data(Qt::AccessibleDescriptionRole).toString();
        QVERIFY2(said.startsWith(note), qPrintable(said));
        QCOMPARE(window.File1->item(0)->toolTip(), said);
        window.File1->item(0)->setSelected(true);
        QString text;
        ModalWatcher watcher([&](QWidget *modal) {
            auto *dialog = qobject_cast<Form7 *>(modal);
            QVERIFY(dialog);
            text = dialog->Label1->text();
            (button == u"Command1"_s   ? dialog->Command1
             : button == u"Command2"_s ? dialog->Command2
                                       : dialog->Command3)
                ->click();
        });
        QFile::remove(m_program.filePath(u"TEMP.BAT"_s));
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QCOMPARE(watcher.seen(), button.isEmpty() ? 0 : 1);
        QVERIFY2(text.contains(shown), qPrintable(text));
        QFile written(m_program.filePath(u"TEMP.BAT"_s));
        QCOMPARE(written.open(QIODevice::ReadOnly), !script.isEmpty());
        const QByteArray lines = written.isOpen() ? written.readAll() : QByteArray();
        QVERIFY2(lines.contains(script), lines.constData());
    }

    // Tag Selected Files gives an image a row a track (its number, title,
    // start and length); what it sets there is what Encode gives the tracks.
    void tagSelectedTagsAnImagesTracks()
    {
        QTemporaryDir cd;
        Form1 window(m_program.path());
        showImage(window, cd, TwoTracks);
        window.File1->item(0)->setSelected(true);
        QStringList rows;
        ModalWatcher watcher([&](QWidget *modal) {
            if (auto *tracks = qobject_cast<Form7 *>(modal)) {
                tracks->Command1->click();
                return;
            }
            auto *dialog = qobject_cast<Form6 *>(modal);
            QVERIFY(dialog);
            for (int row = 0; row < dialog->Grid1->rowCount(); ++row) {
                for (const int column : {1, 2, 8, 9})
                    rows << dialog->Grid1->item(row, column)->text();
            }
            QVERIFY(!dialog->Grid1->isColumnHidden(8));
            dialog->Text1->setText(u"Shared Artist"_s);
            dialog->Check1->setChecked(true);
            dialog->Command1->click();
        });
        window.TagSelected_Click();
        QCOMPARE(rows, QStringList({u"1/2"_s, u"One"_s, u"0:00.00"_s, u"0:00.66"_s, u"2/2"_s,
                                    u"Two"_s, u"0:00.66"_s, u"0:00.33"_s}));
        QFile::remove(m_program.filePath(u"TEMP.BAT"_s));
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QCOMPARE(watcher.seen(), 2);
        QFile written(m_program.filePath(u"TEMP.BAT"_s));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray script = written.readAll();
        // Each track's tagging line, and again in the image's album lines
        // (ReplayGain is on by default).
        QCOMPARE(script.count("SONDRAKE_TITLE='Two' SONDRAKE_ARTIST='Shared Artist'"), 2);
        QCOMPARE(script.count("SONDRAKE_ARTIST='Shared Artist'"), 4);
        QCOMPARE(script.count("SONDRAKE_ALBUM_REPLAYGAIN=\"$work/album_1.loudness\""), 2);
    }

    void closingWritesTheSettingsAsExitDoes()
    {
        for (const bool throughExit : {true, false}) {
            Form1 window(m_program.path());
            window.Form_Load();
            window.show();
            window.EncoderPath = u"/changed"_s;
            window.LoadMode = 1;
            if (throughExit)
                window.Exit->trigger();
            else
                window.close();
            QFile file(m_program.filePath(u"encoder.ini"_s));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY(bytes.startsWith(QByteArray("[Directories]\r\nEncoderPath = /changed\r\nLastPath = "
                                                 + m_wavs.path().toUtf8() + "\r\n")));
            QVERIFY(bytes.contains("SafeMode = 1\r\n[Switches]\r\nLoadMode = 1\r\n"));
            writeSettings(settingsFor(m_program.path(), m_wavs.path()));
        }
    }

    void setupOkayAndCancel_data()
    {
        QTest::addColumn<bool>("okay");
        QTest::newRow("Cancel changes nothing") << false;
        QTest::newRow("Okay takes all three") << true;
    }
    void setupOkayAndCancel()
    {
        QFETCH(bool, okay);
        Form1 window(m_program.path());
        window.Form_Load();
        ModalWatcher watcher([okay](QWidget *modal) {
            auto *setup = qobject_cast<Form2 *>(modal);
            QVERIFY(setup);
            setup->Option11->setChecked(true);
            setup->Option2->setChecked(true);
            QVERIFY(setup->Dir2->setPath(u"/"_s));
            (okay ? setup->Command3 : setup->Command1)->click();
        });
        window.Setup->trigger();
        QCOMPARE(watcher.seen(), 1);
        QCOMPARE(window.EncoderPath, okay ? u"/"_s : m_program.path());
        QCOMPARE(window.LoadMode, qint16(okay ? 1 : 0));
        QCOMPARE(window.DeleteWatch, qint16(okay ? 0 : 1));
    }

    // Dropped URLs, through Qt's own drop events -> the directory shown, the
    // files selected, and the message (its start; empty: none). The window
    // starts on the WAV directory with an edited entry.
    void drops_data()
    {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<bool>("dialogOpen");
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("said");
        const auto file = [](const QTemporaryDir &dir, const QString &name) {
            return QUrl::fromLocalFile(dir.filePath(name)).toString();
        };
        const QString wavs = m_wavs.path(), other = m_other.path();
        QTest::newRow("folder") << QStringList{QUrl::fromLocalFile(other).toString()} << false
                                << other << QStringList() << QString();
        QTest::newRow("WAVs of one folder")
            << QStringList{file(m_wavs, u"b.wav"_s), file(m_wavs, u"A.WAV"_s)} << false << wavs
            << QStringList{u"A.WAV"_s, u"b.wav"_s} << QString();
        QTest::newRow("WAVs of two folders")
            << QStringList{file(m_other, u"d.wav"_s), file(m_wavs, u"b.wav"_s)} << false << other
            << QStringList{u"d.wav"_s}
            << u"The window shows \"%1\". Not taken:\n\n%2: not in the folder shown"_s.arg(
                   other, m_wavs.filePath(u"b.wav"_s));
        QTest::newRow("a non-WAV") << QStringList{file(m_other, u"readme.txt"_s)} << false << wavs
                                   << QStringList() << u"Nothing was opened:"_s;
        QTest::newRow("a vanished path") << QStringList{file(m_other, u"gone.wav"_s)} << false
                                         << wavs << QStringList() << u"Nothing was opened:"_s;
        QTest::newRow("a folder with no WAVs")
            << QStringList{QUrl::fromLocalFile(m_other.filePath(u"empty"_s)).toString()} << false
            << m_other.filePath(u"empty"_s) << QStringList()
            << u"\"%1\" holds no WAV files."_s.arg(m_other.filePath(u"empty"_s));
        QTest::newRow("a web address") << QStringList{u"https://example.org/a.wav"_s} << false
                                       << wavs << QStringList() << u"Nothing was opened:"_s;
        QTest::newRow("while a dialog is open") << QStringList{QUrl::fromLocalFile(other).toString()}
                                                << true << wavs << QStringList() << QString();
    }
    void drops()
    {
        QFETCH(QStringList, urls);
        QFETCH(bool, dialogOpen);
        QFETCH(QString, directory);
        QFETCH(QStringList, selected);
        QFETCH(QString, said);
        Form1 window(m_program.path());
        window.Form_Load();
        window.show();
        window.List1[0] = u"edited"_s;
        const QStringList entriesBefore = window.List1;
        std::optional<QDialog> dialog;
        if (dialogOpen) {
            dialog.emplace(&window);
            dialog->setModal(true);
            dialog->show();
        }
        QMimeData data;
        data.setUrls(QUrl::fromStringList(urls));
        const QPoint where = window.rect().center();
        QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QCOMPARE(enter.isAccepted(), !dialogOpen);
        QDropEvent drop(QPointF(where), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
        dialog.reset();
        QStringList messages;
        ModalWatcher watcher([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            messages << box->text();
            box->accept();
        });
        QTest::qWait(50); // the drop's message comes once the drop has ended
        QCOMPARE(window.Dir1->path(), directory);
        QCOMPARE(window.File1->path(), directory);
        QCOMPARE(selectedRows(window.File1).size(), selected.size());
        for (int row : selectedRows(window.File1))
            QVERIFY(selected.contains(window.File1->name(row)));
        if (!selected.isEmpty()) // Properties edits the first of them
            QCOMPARE(window.File1->name(window.File1->currentRow()), selected.first());
        // A directory shown anew starts its entries afresh.
        QCOMPARE(window.List1, directory == m_wavs.path()
                                   ? entriesBefore
                                   : QStringList(window.File1->count(), QString(125, u' ')));
        QCOMPARE(messages.size(), said.isEmpty() ? 0 : 1);
        if (!said.isEmpty())
            QVERIFY2(messages.first().startsWith(said), qPrintable(messages.first()));
    }

    // A given folder shown is the last directory Exit saves.
    void exitSavesTheFolderShown()
    {
        Form1 window(m_program.path());
        window.Form_Load();
        window.OpenPaths(InterpretPaths({m_other.path()}));
        window.Exit->trigger();
        QFile file(m_program.filePath(u"encoder.ini"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(QByteArray("\r\nLastPath = " + m_other.path().toUtf8() + "\r\n")));
    }

    // The user's languages -> the catalogue; English and "C" are the source.
    void catalogueChoice_data()
    {
        QTest::addColumn<QString>("messages"); // LC_ALL, else LC_MESSAGES, else LANG
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("catalogue");
        const QString german = u"de_DE.UTF-8"_s;
        QTest::newRow("C") << u"C"_s << QStringList{u"C"_s} << QString();
        QTest::newRow("LANG=C whatever LANGUAGE says") << u"C"_s << QStringList{u"de"_s}
                                                       << QString();
        QTest::newRow("POSIX") << u"POSIX"_s << QStringList{u"de"_s} << QString();
        QTest::newRow("C.UTF-8 lets LANGUAGE choose") << u"C.UTF-8"_s << QStringList{u"de"_s}
                                                      << u"de"_s;
        QTest::newRow("no locale set") << QString() << QStringList{u"de"_s} << QString();
        QTest::newRow("English first") << german << QStringList{u"en_GB"_s, u"de"_s} << QString();
        QTest::newRow("German") << german << QStringList{u"de-DE"_s, u"en-US"_s} << u"de"_s;
        QTest::newRow("LANGUAGE over LANG") << u"en_US.UTF-8"_s << QStringList{u"ja"_s} << u"ja"_s;
        QTest::newRow("Brazil") << german << QStringList{u"pt_BR"_s} << u"pt_BR"_s;
        QTest::newRow("Portugal takes Brazil's") << german << QStringList{u"pt_PT"_s} << u"pt_BR"_s;
        QTest::newRow("Canadian French") << german << QStringList{u"fr-CA"_s} << u"fr"_s;
        QTest::newRow("none for Dutch, then Japanese") << german << QStringList{u"nl"_s, u"ja"_s}
                                                       << u"ja"_s;
        QTest::newRow("none at all") << german << QStringList{u"nl"_s} << QString();
    }
    void catalogueChoice()
    {
        QFETCH(QString, messages);
        QFETCH(QStringList, languages);
        QFETCH(QString, catalogue);
        const QStringList available{u"de"_s, u"es"_s, u"fr"_s, u"ja"_s, u"pt_BR"_s, u"ru"_s};
        QCOMPARE(CatalogueFor(messages, languages, available), catalogue);
    }

    // The entries of one menu (or the menu bar) that share an accelerator.
    static QStringList sharedAccelerators(const Form1 &window)
    {
        QStringList shared;
        for (const QWidget *menu : QList<const QWidget *>{window.menuBar(), window.File,
                                                          window.Options, window.Help,
                                                          window.Popup}) {
            QHash<QChar, QString> taken;
            for (const QAction *action : menu->actions()) {
                const QString text = action->text();
                const qsizetype at = text.indexOf(QRegularExpression(u"&[^&]"_s));
                if (at < 0)
                    continue;
                const QChar key = text[at + 1].toLower();
                if (taken.contains(key))
                    shared << taken[key] + u" / "_s + text;
                taken.insert(key, text);
            }
        }
        return shared;
    }

    // Every catalogue is built in and speaks, its menus' accelerators apart;
    // the source stays English.
    void cataloguesLoad()
    {
        for (const QString &language : {u"de"_s, u"es"_s, u"fr"_s, u"ja"_s, u"pt_BR"_s, u"ru"_s}) {
            QTranslator translator;
            QVERIFY(translator.load(u":/i18n/trelvin-sondrake_"_s + language));
            QVERIFY(QCoreApplication::installTranslator(&translator));
            Form1 window(m_program.path());
            QVERIFY2(window.File->title() != u"&File"_s, qPrintable(language));
            QVERIFY(window.File->title().contains(u'&'));
            QVERIFY2(sharedAccelerators(window).isEmpty(),
                     qPrintable(language + u": "_s + sharedAccelerators(window).join(u", "_s)));
            QCoreApplication::removeTranslator(&translator);
        }
        Form1 window(m_program.path());
        QVERIFY(sharedAccelerators(window).isEmpty());
        QCOMPARE(window.File->title(), u"&File"_s);
        QCOMPARE(window.Frame2->title(), u"Encoding bitrate (kbits/s)"_s);
    }

    void startupOpensSetupBeforeTheWindowShows_data()
    {
        QTest::addColumn<bool>("fileMissing");
        QTest::newRow("no settings file") << true;
        QTest::newRow("last directory gone") << false;
    }
    void startupOpensSetupBeforeTheWindowShows()
    {
        QFETCH(bool, fileMissing);
        if (fileMissing)
            QFile::remove(m_program.filePath(u"encoder.ini"_s));
        else
            writeSettings(settingsFor(u"/stored/encoder"_s, m_wavs.filePath(u"gone"_s))
                              .replace("SafeMode = 1", "SafeMode = 0")
                              .replace("LoadMode = 0", "LoadMode = 1"));
        Form1 window(m_program.path());
        bool mainWindowVisible = true;
        QPoint offCentre;
        SetupValues shown;
        ModalWatcher watcher([&](QWidget *modal) {
            auto *setup = qobject_cast<Form2 *>(modal);
            QVERIFY(setup);
            mainWindowVisible = window.isVisible();
            offCentre = setup->geometry().center() - setup->screen()->availableGeometry().center();
            shown = {setup->Dir2->path(), qint16(setup->Option11->isChecked()),
                     qint16(setup->Option1->isChecked())};
            setup->Command1->click();
        });
        window.Form_Load();
        QCOMPARE(watcher.seen(), 1);
        QVERIFY(!mainWindowVisible);
        // Centred (to a pixel or two), with no window to centre on.
        QVERIFY(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2);
        QCOMPARE(shown.loadMode, qint16(0));    // "Normal Window"
        QCOMPARE(shown.deleteWatch, qint16(1)); // "Yes (recommended)"
        const QString expectedEncoder = fileMissing ? m_program.path() : u"/stored/encoder"_s;
        QCOMPARE(window.EncoderPath, expectedEncoder);
        if (fileMissing)
            QCOMPARE(shown.encoderPath, m_program.path()); // the dialog opened on it
        QCOMPARE(window.Destination, QDir::homePath() + u'/');
        QCOMPARE(window.DeleteWatch, qint16(1));
        QCOMPARE(window.LoadMode, qint16(0));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
