#include "encode/encode_check.h"
#include "encode/encode_run.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// What Encode finds out before it writes anything: every refusal at once,
// and the MP3s it would replace.
class TestEncodeCheck : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;

    QString path(const QString &relative) const { return m_dir->filePath(relative); }

    void touch(const QString &relative, bool executable = false)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path(relative)).path()));
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.close();
        if (executable)
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    }

    EncodeRequest request(const QStringList &names) const
    {
        EncodeRequest request;
        for (const QString &name : names) {
            request.files.append({name, true});
            request.entries.append(QString(125, u' '));
        }
        request.directory = path(u"wav"_s);
        request.bitrate = u"128000"_s;
        request.encoderPath = path(u"enc"_s);
        request.destination = path(u"mp3/"_s);
        request.appPath = u"/app/"_s;
        return request;
    }

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        touch(u"enc/L3ENC"_s, true);
        QVERIFY(QDir().mkpath(path(u"mp3"_s)));
    }
    void cleanup() { m_dir.reset(); }

    void everyRefusalAtOnce()
    {
        const QStringList names{u"Song.wav"_s, u"song.wav"_s, u"a.wav"_s, u"a.WAV"_s, u"b\n%1.wav"_s,
                                u"B\n%1.wav"_s};
        for (const QString &name : names)
            touch(u"wav/"_s + name);
        EncodeRequest broken = request(names);
        broken.files.append({u"'t'$'\\377''.wav'"_s, true, true}); // as the list shows it
        broken.entries.append(QString(125, u' '));
        broken.destination = path(u"gone/"_s);
        QVERIFY(QFile::remove(path(u"enc/L3ENC"_s)));
        const EncodeCheck check = CheckEncodeRequest(broken);
        QCOMPARE(check.verdict, EncodeCheck::Verdict::Refused);
        for (const QString &reason : QStringList{u"gone/\" does not exist"_s, u"L3ENC was not found"_s,
                                      u"would all become \""_s + path(u"gone/Song.mp3"_s)
                                          + u"\": Song.wav, song.wav."_s,
                                      u"would all become \""_s + path(u"gone/a.mp3"_s)
                                          + u"\": a.wav, a.WAV."_s,
                                      // Names shown as ls quotes them: one line each.
                                      u"/gone/b'$'\\n''%1.mp3'\": 'b'$'\\n''%1.wav', 'B'$'\\n''%1.wav'."_s,
                                      u"not valid UTF-8, which the script cannot carry: "
                                      "'t'$'\\377''.wav'."_s})
            QVERIFY2(check.refusal.contains(reason), qPrintable(check.refusal));
    }

    void existingMp3sAreFoundAndCanBeSkipped()
    {
        for (const QString &name : {u"one.wav"_s, u"two.wav"_s, u"three.wav"_s})
            touch(u"wav/"_s + name);
        touch(u"mp3/two.mp3"_s);
        QVERIFY(QFile::link(path(u"nowhere"_s), path(u"mp3/three.mp3"_s))); // a dangling link too
        const EncodeCheck check = CheckEncodeRequest(request({u"one.wav"_s, u"two.wav"_s, u"three.wav"_s}));
        QCOMPARE(check.verdict, EncodeCheck::Verdict::Ready);
        QCOMPARE(check.existingMp3s, QStringList({path(u"mp3/two.mp3"_s), path(u"mp3/three.mp3"_s)}));
        const ScriptPlan skipped = WithoutExistingMp3s(check.plan, check.existingMp3s);
        QCOMPARE(skipped.groups.size(), 1);
        QCOMPARE(skipped.groups[0].listedName, u"one.wav"_s);
    }

    void skippingEverythingStartsNothing()
    {
        touch(u"wav/one.wav"_s);
        touch(u"mp3/one.mp3"_s);
        bool started = false;
        const EncodeOutcome outcome = StartEncode(CheckEncodeRequest(request({u"one.wav"_s})),
                                                  ExistingMp3s::Skip, [&](auto &&...) {
                                                      started = true;
                                                      return Result::success();
                                                  });
        QCOMPARE(outcome.kind, EncodeOutcome::Kind::Refused);
        QVERIFY(!started);
        QVERIFY(!QFile::exists(path(u"enc/TEMP.BAT"_s)));
    }

    void question_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one") << 1
                             << u"An MP3 file exists already in the destination and would be "
                                "replaced:\n\n1.mp3\n\nReplace them, skip those files, or cancel?"_s;
        QTest::newRow("five, all named")
            << 5
            << u"5 MP3 files exist already in the destination and would be replaced:\n\n"
               "1.mp3\n2.mp3\n3.mp3\n4.mp3\n5.mp3\n\nReplace them, skip those files, or cancel?"_s;
        QTest::newRow("sixteen, the first five named")
            << 16
            << u"16 MP3 files exist already in the destination and would be replaced:\n\n"
               "1.mp3\n2.mp3\n3.mp3\n4.mp3\n5.mp3\n... and 11 more\n\n"
               "Replace them, skip those files, or cancel?"_s;
    }
    void question()
    {
        QFETCH(int, count);
        QFETCH(QString, expected);
        QStringList paths;
        for (int i = 1; i <= count; ++i)
            paths << u"/music/mp3/%1.mp3"_s.arg(i);
        QCOMPARE(ExistingMp3sQuestion(paths), expected);
    }
};

QTEST_GUILESS_MAIN(TestEncodeCheck)
#include "tst_encode_check.moc"
