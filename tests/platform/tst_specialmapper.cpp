#include "platform/specialmapper.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestSpecialMapper : public QObject
{
    Q_OBJECT

private slots:
    void danskeBrugermapper();
    void udenFilGivesStandardnavne();
};

void TestSpecialMapper::danskeBrugermapper()
{
    QTemporaryDir dir;
    const QString hjem = dir.path() + "/ann";
    QDir().mkpath(hjem + "/.config");
    QFile f(hjem + "/.config/user-dirs.dirs");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("# written by xdg-user-dirs-update\n"
            "XDG_DESKTOP_DIR=\"$HOME/Skrivebord\"\n"
            "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenter\"\n"
            "XDG_PICTURES_DIR=\"/srv/billeder\"\n"
            "XDG_MUSIC_DIR=relative/is/invalid\n"
            "XDG_VIDEOS_DIR=\"$HOME/Videoklip\"\n"
            "XDG_DOWNLOAD_DIR=\"$HOME/\"\n");
    f.close();

    const SpecialMapper s(hjem, hjem + "/.config", hjem + "/.local/share");
    QCOMPARE(s.skrivebord(), hjem + "/Skrivebord");
    QCOMPARE(s.dokumenter(), hjem + "/Dokumenter");
    QCOMPARE(s.billeder(), QString("/srv/billeder"));
    QCOMPARE(s.musik(), hjem + "/Music");
    QCOMPARE(s.videoer(), hjem + "/Videoklip");
    QCOMPARE(s.hentet(), hjem);
    QCOMPARE(s.favoritter(), hjem + "/Favoritter");
    QCOMPARE(s.startmenuProgrammer(), hjem + "/.local/share/applications");
    QCOMPARE(s.autostart(), hjem + "/.config/autostart");
}

void TestSpecialMapper::udenFilGivesStandardnavne()
{
    const SpecialMapper s("/home/bo", "/home/bo/.config", "/home/bo/.local/share");
    QCOMPARE(s.skrivebord(), QString("/home/bo/Desktop"));
    QCOMPARE(s.offentligt(), QString("/home/bo/Public"));
}

QTEST_GUILESS_MAIN(TestSpecialMapper)
#include "tst_specialmapper.moc"
