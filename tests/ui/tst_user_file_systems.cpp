#include "user_file_systems.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MountedVolume)

// Which mounted file systems the drive lists offer.
class TestUserFileSystems : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void judged_data()
    {
        QTest::addColumn<MountedVolume>("volume");
        QTest::addColumn<bool>("listed");
        const auto volume = [](const QString &root, const QString &device, const QString &type) {
            return MountedVolume{root, device, type, {}, true};
        };
        QTest::newRow("root, whatever it is") << volume(u"/"_s, u"overlay"_s, u"overlay"_s) << true;
        QTest::newRow("home on a disk") << volume(u"/home"_s, u"/dev/sda3"_s, u"ext4"_s) << true;
        QTest::newRow("memory card") << volume(u"/media/user/CARD"_s, u"/dev/sdb1"_s, u"vfat"_s)
                                     << true;
        QTest::newRow("media under /run/media") << volume(u"/run/media/u/USB"_s, u"/dev/sdc1"_s,
                                                          u"exfat"_s) << true;
        QTest::newRow("NFS share") << volume(u"/mnt/music"_s, u"server:/music"_s, u"nfs4"_s)
                                   << true;
        QTest::newRow("SMB share") << volume(u"/mnt/nas"_s, u"//nas/share"_s, u"cifs"_s) << true;
        QTest::newRow("tiny tmpfs under /mnt") << volume(u"/mnt/ram"_s, u"tmpfs"_s, u"tmpfs"_s)
                                               << false;
        QTest::newRow("/proc") << volume(u"/proc"_s, u"proc"_s, u"proc"_s) << false;
        QTest::newRow("/dev/shm") << volume(u"/dev/shm"_s, u"shm"_s, u"tmpfs"_s) << false;
        QTest::newRow("/run") << volume(u"/run"_s, u"tmpfs"_s, u"tmpfs"_s) << false;
        QTest::newRow("boot partition") << volume(u"/boot/efi"_s, u"/dev/sda1"_s, u"vfat"_s)
                                        << false;
        QTest::newRow("snap image") << volume(u"/snap/core/1"_s, u"/dev/loop3"_s, u"squashfs"_s)
                                    << false;
        MountedVolume unreadable = volume(u"/mnt/locked"_s, u"/dev/sdd1"_s, u"ext4"_s);
        unreadable.usable = false;
        QTest::newRow("not readable") << unreadable << false;
    }
    void judged()
    {
        QFETCH(MountedVolume, volume);
        QFETCH(bool, listed);
        QCOMPARE(IsUserFileSystem(volume), listed);
    }

    void eachOnceAndSorted()
    {
        const QList<MountedVolume> chosen = UserFileSystems({
            {u"/srv/music"_s, u"/dev/sda3"_s, u"ext4"_s, {}, true}, // a bind mount of /home
            {u"/home"_s, u"/dev/sda3"_s, u"ext4"_s, {}, true},
            {u"/"_s, u"/dev/sda2"_s, u"btrfs"_s, u"/@"_s, true},
            {u"/data"_s, u"/dev/sda2"_s, u"btrfs"_s, u"/@data"_s, true},
        });
        QStringList roots;
        for (const MountedVolume &volume : chosen)
            roots << volume.rootPath;
        QCOMPARE(roots, QStringList({u"/"_s, u"/data"_s, u"/home"_s}));
    }
};

QTEST_APPLESS_MAIN(TestUserFileSystems)
#include "tst_user_file_systems.moc"
