#include "directory_list.h"
#include "main_window.h"
#include "support/audio_files.h"
#include "support/modal_watcher.h"
#include "support/script_runs.h"
#include "tag_selected_dialog.h"
#include "wav_file_list.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

using namespace Qt::StringLiterals;

namespace {

// A WAV that carries LIST/INFO tags of its own, as libsndfile writes them.
bool writeTaggedWav(const QString &path)
{
    SF_INFO format{};
    format.samplerate = 44100;
    format.channels = 2;
    format.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &format);
    if (!file)
        return false;
    std::vector<short> samples(std::size_t(2) * 22050);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = short((i * 37) % 4000);
    sf_write_short(file, samples.data(), sf_count_t(samples.size()));
    sf_set_string(file, SF_STR_TITLE, "Own title");
    sf_set_string(file, SF_STR_GENRE, "Rock");
    sf_set_string(file, SF_STR_COMMENT, "Recorded live");
    return sf_close(file) == 0;
}

} // namespace

// An album tagged in one dialog and encoded: the real windows offscreen, the
// real script, L3ENC and tagging run.
class TestAlbumSession : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;

private Q_SLOTS:
    void tagThreeFilesOnceAndEncode()
    {
        const QString program = m_root.filePath(u"program"_s);
        const QString wavs = m_root.filePath(u"album"_s);
        const QString mp3s = m_root.filePath(u"mp3"_s);
        for (const QString &directory : {program, wavs, mp3s})
            QVERIFY(QDir().mkpath(directory));
        QVERIFY(QFile::copy(QStringLiteral(ENCODER_PROGRAM), program + u"/encoder"_s));
        QVERIFY(QFile::copy(QStringLiteral(L3ENC_PROGRAM), program + u"/L3ENC"_s));
        for (const QString &name : {u"01 - Opening.wav"_s, u"02. Closing.wav"_s})
            QVERIFY(WriteWav(wavs + u'/' + name, {2, 44100, SF_FORMAT_PCM_16, 0.5}));
        QVERIFY(writeTaggedWav(wavs + u"/03_The_Finale.wav"_s));

        Form1 window(program);
        window.EncoderPath = program;
        window.Destination = mp3s + u'/';
        window.setScriptStarter([](const QString &directory, const QString &script) {
            return RunScript(directory, script).finished ? Result::success()
                                                         : Result::failure(u"did not end"_s);
        });
        window.Dir1->setPath(wavs);
        QCOMPARE(window.File1->count(), 3);
        window.File1->selectAll();

        ModalWatcher watcher([](QWidget *modal) {
            auto *dialog = qobject_cast<Form6 *>(modal);
            QVERIFY(dialog);
            QTest::keyClicks(dialog->Text1, u"The Band"_s);
            QTest::keyClicks(dialog->Text2, u"First Album"_s);
            QTest::keyClicks(dialog->Text3, u"2026"_s);
            dialog->Option2->setChecked(true);
            dialog->Command3->click();
            dialog->Command1->click();
        });
        window.TagSelectedFiles->trigger();
        QCOMPARE(watcher.seen(), 1);

        window.Command1->click();

        const struct {
            QString file, title, comment;
            int genre;
        } expected[] = {{u"01 - Opening.mp3"_s, u"Opening"_s, {}, 37},
                        {u"02. Closing.mp3"_s, u"Closing"_s, {}, 37},
                        {u"03_The_Finale.mp3"_s, u"The Finale"_s, u"Recorded live"_s, 17}};
        for (const auto &mp3 : expected) {
            QFile file(mp3s + u'/' + mp3.file);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(mp3.file));
            const QByteArray trailer = file.readAll().right(128);
            QCOMPARE(trailer.left(33), "TAG" + mp3.title.toLatin1().leftJustified(30));
            QCOMPARE(trailer.mid(33, 30), QByteArray("The Band").leftJustified(30));
            QCOMPARE(trailer.mid(63, 30), QByteArray("First Album").leftJustified(30));
            QCOMPARE(trailer.mid(93, 4), "2026"_ba);
            QCOMPARE(trailer.mid(97, 30), mp3.comment.toLatin1().leftJustified(30));
            QCOMPARE(int(quint8(trailer[127])), mp3.genre);
        }
    }
};

QTEST_MAIN(TestAlbumSession)
#include "tst_album_session.moc"
