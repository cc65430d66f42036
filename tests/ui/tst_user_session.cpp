#include "directory_list.h"
#include "main_window.h"
#include "properties_dialog.h"
#include "support/audio_files.h"
#include "support/modal_watcher.h"
#include "support/script_runs.h"
#include "wav_file_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

using namespace Qt::StringLiterals;

// A whole session as a person has it: the real windows offscreen, the real
// script, L3ENC and tagging run.
class TestUserSession : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;

    QString path(const QString &relative) const { return m_root.filePath(relative); }

    static void clickRow(WavFileList *list, int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualItemRect(list->item(row)).center());
    }

    static void fillProperties(Form1 &window, const QString &title, const QString &genre)
    {
        ModalWatcher watcher([&](QWidget *modal) {
            auto *dialog = qobject_cast<Form4 *>(modal);
            QVERIFY(dialog);
            QTest::keyClicks(dialog->Text1, title);
            QTest::keyClicks(dialog->Text2, u"The Band"_s);
            QTest::keyClicks(dialog->Text3, u"First Album"_s);
            QTest::keyClicks(dialog->Text4, u"2026"_s);
            dialog->Combo1->setCurrentIndex(dialog->Combo1->findText(genre));
            QTest::keyClicks(dialog->Text5, u"Live"_s);
            QTest::mouseClick(dialog->Command1, Qt::LeftButton);
        });
        window.Properties->trigger();
        QCOMPARE(watcher.seen(), 1);
    }

private Q_SLOTS:
    void encodeTwoTaggedFilesWithAutomaticDelete()
    {
        const QString program = path(u"program"_s);
        const QString wavs = path(u"wav files"_s);
        const QString mp3s = path(u"mp3 files"_s);
        for (const QString &directory : {program, wavs, mp3s})
            QVERIFY(QDir().mkpath(directory));
        QVERIFY(QFile::copy(QStringLiteral(ENCODER_PROGRAM), program + u"/encoder"_s));
        QVERIFY(QFile::copy(QStringLiteral(L3ENC_PROGRAM), program + u"/L3ENC"_s));
        QFile settings(program + u"/encoder.ini"_s);
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write((u"[Directories]\r\nEncoderPath = "_s + program + u"\r\nLastPath = "_s
                        + m_root.path() + u"\r\nDestination = "_s + mp3s
                        + u"/\r\nSafeMode = 1\r\n[Switches]\r\nLoadMode = 0\r\n"_s)
                           .toUtf8());
        settings.close();
        for (const QString &name : {u"Take one.wav"_s, u"Take two.wav"_s, u"unselected.wav"_s})
            QVERIFY(WriteWav(wavs + u'/' + name, {2, 44100, SF_FORMAT_PCM_16, 0.5}));
        QFile broken(wavs + u"/Zz broken.wav"_s);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("RIFF but nothing more");
        broken.close();

        Form1 window(program);
        window.Form_Load();
        window.setScriptStarter([](const QString &directory, const QString &script) {
            return RunScript(directory, script).finished ? Result::success()
                                                         : Result::failure(u"did not end"_s);
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Open the WAV directory from the directory list, as a double click would.
        DirectoryList *directories = window.Dir1;
        const auto found = directories->findItems(u"wav files"_s, Qt::MatchEndsWith);
        QCOMPARE(found.size(), 1);
        Q_EMIT directories->itemActivated(found.first());
        QCOMPARE(window.Dir1->path(), wavs);
        QCOMPARE(window.File1->count(), 4); // Take one, Take two, unselected, Zz broken

        clickRow(window.File1, 0);
        fillProperties(window, u"Opening"_s, u"Jazz+Funk"_s);
        clickRow(window.File1, 1);
        fillProperties(window, u"Closing"_s, u"Rock"_s);
        clickRow(window.File1, 0, Qt::ControlModifier);
        clickRow(window.File1, 3, Qt::ControlModifier);

        {
            ModalWatcher warning([](QWidget *modal) {
                auto *box = qobject_cast<QMessageBox *>(modal);
                QVERIFY(box && box->windowTitle() == u"Warning"_s);
                box->accept();
            });
            QTest::mouseClick(window.Check4, Qt::LeftButton);
            QCOMPARE(warning.seen(), 1);
        }
        QVERIFY(window.Check4->isChecked());
        QTest::mouseClick(window.Command1, Qt::LeftButton);

        QStringList wavsLeft = QDir(wavs).entryList(QDir::Files);
        wavsLeft.sort();
        QCOMPARE(wavsLeft, QStringList({u"Zz broken.wav"_s, u"unselected.wav"_s}));
        QStringList made = QDir(mp3s).entryList(QDir::Files | QDir::Hidden);
        made.sort();
        QCOMPARE(made, QStringList({u"Take one.mp3"_s, u"Take two.mp3"_s}));

        const struct {
            QString file, title;
            int genre;
        } expected[] = {{u"Take one.mp3"_s, u"Opening"_s, 29}, {u"Take two.mp3"_s, u"Closing"_s, 17}};
        for (const auto &mp3 : expected) {
            QVERIFY(ReadMp3Frames(mp3s + u'/' + mp3.file).size() > 10);
            QFile file(mp3s + u'/' + mp3.file);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray trailer = file.readAll().right(128);
            QCOMPARE(trailer.left(33), "TAG" + mp3.title.toLatin1().leftJustified(30));
            QCOMPARE(trailer.mid(33, 30), QByteArray("The Band").leftJustified(30));
            QCOMPARE(trailer.mid(93, 4), "2026"_ba);
            QCOMPARE(trailer.mid(97, 30), QByteArray("Live").leftJustified(30));
            QCOMPARE(int(quint8(trailer[127])), mp3.genre);
        }
    }

    // A terminal that cannot open its window (a stale DISPLAY) ends at once:
    // Encode still makes the MP3, in the background, and says where the log is.
    void terminalThatCannotOpenStillEncodes()
    {
        const QString program = path(u"lone program"_s);
        const QString terminals = path(u"terminals"_s);
        for (const QString &directory : {program, terminals})
            QVERIFY(QDir().mkpath(directory));
        QVERIFY(QFile::copy(QStringLiteral(ENCODER_PROGRAM), program + u"/encoder"_s));
        QVERIFY(QFile::copy(QStringLiteral(L3ENC_PROGRAM), program + u"/L3ENC"_s));
        QVERIFY(WriteWav(program + u"/Alone.wav"_s, {2, 44100, SF_FORMAT_PCM_16, 0.5}));
        QFile terminal(terminals + u"/x-terminal-emulator"_s);
        QVERIFY(terminal.open(QIODevice::WriteOnly));
        terminal.write("#!/bin/sh\necho \"x-terminal-emulator: Can't open display: :97\" >&2\nexit 1\n");
        terminal.close();
        QVERIFY(terminal.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        const QByteArray display = qgetenv("DISPLAY");
        qputenv("PATH", QFile::encodeName(terminals) + ':' + path);
        qputenv("DISPLAY", ":97");

        Form1 window(program);
        window.EncoderPath = program;
        window.Destination = program + u'/';
        QVERIFY(window.Dir1->setPath(program));
        window.File1->item(0)->setSelected(true);
        QString told;
        ModalWatcher message([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            told = box->text();
            box->accept();
        });
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        qputenv("PATH", path);
        qputenv("DISPLAY", display);

        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(program + u"/Alone.mp3"_s), 60000);
        QVERIFY2(told.startsWith(u"The terminal window could not be opened"_s), qPrintable(told));
        QVERIFY2(told.endsWith(u"Its output goes to \""_s + program + u"/TEMP.LOG\"."_s),
                 qPrintable(told));
        QFile log(program + u"/TEMP.LOG"_s);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readLine().startsWith("x-terminal-emulator: Can't open display"));
    }
};

QTEST_MAIN(TestUserSession)
#include "tst_user_session.moc"
