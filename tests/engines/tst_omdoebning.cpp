#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tmetodecompo.h"
#include "engines/tskrivtekstfiler.h"
#include "engines/tstrukturcompo.h"

#include "fakedialogs.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace testfiler;

namespace {

const QByteArray Bom("\xEF\xBB\xBF");
const QByteArray HtmlBytes = "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n"
                             "<body>\r\n\r\n</body>\r\n</html>\r\n";


} // namespace

Q_DECLARE_METATYPE(Trae)

class TestOmdoebning : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void editSelectedKunMappeOgFil_data();
    void editSelectedKunMappeOgFil();

    void renameMappe_data();
    void renameMappe();
    void renameMappeFejlerMedBesked();
    void renameMappeAfVaekMappeIFiltraeet();

    void renameFil_data();
    void renameFil();
    void renameFilUdenForFiltraeet();
    void renameFilAfVaekFil();

    void ubrugeligeNavneAfvises_data();
    void ubrugeligeNavneAfvises();

    void nyMappeToGange();
    void nyMappeIFiltraeetVedSidenAfValgtMappe();
    void nyMappeUdenForaelder();

    void selectMappe();

    void nyTekstfil_data();
    void nyTekstfil();
    void nyTekstfilToGangeOgOptagetNavn();
    void nyTekstfilFejl();

    void renameFilExt();
    void renameFilExtFejl();

private:
    QModelIndex mappeNode(const QString &sti, int id = IdMappe);
    QModelIndex filRaekke(const QString &tekst);

    QTemporaryDir *m_tmp = nullptr;
    QString D;
    FakeDialogs m_dialogs;
    TMappeModel *m_mapper = nullptr;
    TFilModel *m_filer = nullptr;
    TMetodeCompo *m_metode = nullptr;
    TStrukturCompo *m_motor = nullptr;
};

void TestOmdoebning::initTestCase()
{
    saetDanskLocale();
}

void TestOmdoebning::init()
{
    m_tmp = new QTemporaryDir;
    D = m_tmp->path() + "/d";
    QDir().mkpath(D);
    m_dialogs = FakeDialogs();
    m_mapper = new TMappeModel;
    m_filer = new TFilModel;
    m_metode = new TMetodeCompo(&m_dialogs);
    m_motor = m_metode->StrukturY;
    m_motor->setStruktur1(m_mapper);
    m_motor->setStruktur2(m_filer);
}

void TestOmdoebning::cleanup()
{
    delete m_metode;
    delete m_filer;
    delete m_mapper;
    delete m_tmp;
}

QModelIndex TestOmdoebning::mappeNode(const QString &sti, int id)
{
    return m_mapper->tilfoejNode({}, QFileInfo(sti).fileName(), 0, StrukturRec{sti, {}, id});
}

QModelIndex TestOmdoebning::filRaekke(const QString &tekst)
{
    for (int r = 0; r < m_filer->antal(); ++r) {
        if (m_filer->raekke(r).tekst == tekst)
            return m_filer->index(r);
    }
    return {};
}

void TestOmdoebning::editSelectedKunMappeOgFil_data()
{
    QTest::addColumn<Trae>("trae");
    QTest::addColumn<int>("id");          // -1: nothing selected
    QTest::addColumn<bool>("redigeres");
    QTest::addColumn<QString>("besked");

    QTest::newRow("mappetræ: intet valgt") << Trae::Mappe << -1 << false << "Der er ikke valgt element, der skal omdøbes.";
    QTest::newRow("mappetræ: mappe") << Trae::Mappe << int(IdMappe) << true << "";
    QTest::newRow("mappetræ: privat mappe") << Trae::Mappe << int(IdPrivat) << false << "Navn\rmå ikke omdøbes.";
    QTest::newRow("mappetræ: drev") << Trae::Mappe << int(IdDrev) << false << "Navn\rmå ikke omdøbes.";
    QTest::newRow("mappetræ: Windows") << Trae::Mappe << int(IdBeskyttet) << false << "Navn\rmå ikke omdøbes.";
    QTest::newRow("filtræ: intet valgt") << Trae::Fil << -1 << false << "Der er ikke valgt element, der skal omdøbes.";
    QTest::newRow("filtræ: fil") << Trae::Fil << int(IdFil) << true << "";
    QTest::newRow("filtræ: mappe") << Trae::Fil << int(IdMappe) << true << "";
    QTest::newRow("filtræ: beskyttet, uden punktum") << Trae::Fil << int(IdBeskyttet) << false << "Navn\rmå ikke omdøbes";
}

void TestOmdoebning::editSelectedKunMappeOgFil()
{
    QFETCH(Trae, trae);
    QFETCH(int, id);
    QFETCH(bool, redigeres);
    QFETCH(QString, besked);

    const StrukturRec rec{D + "/Navn", D + "/Navn", id < 0 ? IdMappe : id};
    m_mapper->tilfoejNode({}, "Navn", 0, rec);
    m_filer->saet({FilRaekke{"Navn", rec, 0}});
    if (id >= 0) {
        m_mapper->vaelg(m_mapper->index(0, 0));
        m_filer->vaelg(0);
    }
    m_motor->setAktiveStruktur(trae);

    const QModelIndex node = m_metode->editSelected();
    QCOMPARE(node.isValid(), redigeres);
    if (redigeres)
        QCOMPARE(node.model(), trae == Trae::Mappe ? static_cast<QAbstractItemModel *>(m_mapper)
                                         : static_cast<QAbstractItemModel *>(m_filer));
    QCOMPARE(m_dialogs.informationer, besked.isEmpty() ? QStringList() : QStringList{besked});
}

void TestOmdoebning::renameMappe_data()
{
    QTest::addColumn<Trae>("trae");
    QTest::addColumn<QStringList>("mapper");   // existing folders; the first is renamed
    QTest::addColumn<QString>("nytNavn");
    QTest::addColumn<QString>("resultat");
    QTest::addColumn<QStringList>("efter");

    for (Trae trae : {Trae::Mappe, Trae::Fil}) {
        const QByteArray t = trae == Trae::Mappe ? "mappetræ: " : "filtræ: ";
        QTest::newRow((t + "samme navn").constData()) << trae << QStringList{"A"} << "A" << "A" << QStringList{"A"};
        QTest::newRow((t + "nyt navn").constData()) << trae << QStringList{"A"} << "Æbler og pærer" << "Æbler og pærer"
                                      << QStringList{"Æbler og pærer"};
        QTest::newRow((t + "kun store bogstaver").constData()) << trae << QStringList{"a"} << "A" << "A" << QStringList{"A"};
        QTest::newRow((t + "optaget af søster").constData()) << trae << QStringList{"A", "B"} << "B" << "B  (1)"
                                               << QStringList{"B", "B  (1)"};
        QTest::newRow((t + "optaget to gange").constData()) << trae << QStringList{"A", "B", "B  (1)"} << "B" << "B  (2)"
                                              << QStringList{"B", "B  (1)", "B  (2)"};
        QTest::newRow((t + "anden mappe med det store navn").constData()) << trae << QStringList{"a", "A"} << "A" << "A  (1)"
                                                            << QStringList{"A", "A  (1)"};
    }
}

void TestOmdoebning::renameMappe()
{
    QFETCH(Trae, trae);
    QFETCH(QStringList, mapper);
    QFETCH(QString, nytNavn);
    QFETCH(QString, resultat);
    QFETCH(QStringList, efter);

    for (const QString &m : mapper)
        QVERIFY(lavFil(D + "/" + m + "/indhold-" + m));
    const QString gammel = D + "/" + mapper.first();
    QModelIndex node;
    if (trae == Trae::Mappe) {
        node = mappeNode(gammel);
    } else {
        m_motor->makeStruktur2(D);
        node = filRaekke(mapper.first());
    }
    m_motor->setAktiveStruktur(trae);

    QCOMPARE(m_metode->RenameMappe(mapper.first(), nytNavn, node), resultat);
    QCOMPARE(m_dialogs.informationer, QStringList());
    QCOMPARE(navne(D), efter);
    // Every folder kept its own contents: nothing was merged or replaced.
    QCOMPARE(navne(D + "/" + resultat), QStringList{"indhold-" + mapper.first()});
    if (resultat != mapper.first())
        QCOMPARE(m_motor->mappenavn(), trae == Trae::Mappe ? D + "/" + resultat : D);
    if (trae == Trae::Fil)
        QCOMPARE(m_filer->raekke(node.row()).rec.mappe, D + "/" + resultat);
}

void TestOmdoebning::renameMappeFejlerMedBesked()
{
    // The node's folder was removed behind the program's back.
    const QModelIndex node = mappeNode(D + "/borte");
    m_mapper->vaelg(node);
    m_motor->setAktiveStruktur(Trae::Mappe);

    QCOMPARE(m_metode->RenameMappe("borte", "ny", node), QString("borte"));
    QCOMPARE(m_dialogs.informationer,
             QStringList{"Mappen:\r" + D + "/borte\rkunne ikke omdøbes til:\r" + D + "/ny"});
    QVERIFY(!m_mapper->valgtNode().isValid());
    QCOMPARE(navne(D), QStringList());
}

void TestOmdoebning::renameMappeAfVaekMappeIFiltraeet()
{
    QDir().mkpath(D + "/borte");
    m_motor->makeStruktur2(D);
    QDir(D + "/borte").removeRecursively();
    m_motor->setAktiveStruktur(Trae::Fil);

    QCOMPARE(m_metode->RenameMappe("borte", "ny", filRaekke("borte")), QString());
    QCOMPARE(m_dialogs.informationer, QStringList());
    QCOMPARE(navne(D), QStringList());
}

void TestOmdoebning::renameFil_data()
{
    QTest::addColumn<QStringList>("filer");    // existing files; the first is renamed
    QTest::addColumn<QString>("nytNavn");
    QTest::addColumn<QString>("svar");         // "ja", "nej" or "" for no question expected
    QTest::addColumn<QString>("resultat");
    QTest::addColumn<QStringList>("efter");

    QTest::newRow("samme navn") << QStringList{"a.txt"} << "a.txt" << "" << "a.txt" << QStringList{"a.txt"};
    QTest::newRow("uden filtype beholder den gamle") << QStringList{"a.txt"} << "b" << "" << "b.txt"
                                                     << QStringList{"b.txt"};
    QTest::newRow("ny filtype, Ja") << QStringList{"a.txt"} << "b.doc" << "ja" << "b.doc" << QStringList{"b.doc"};
    QTest::newRow("ny filtype, Nej") << QStringList{"a.txt"} << "b.doc" << "nej" << "b.txt"
                                     << QStringList{"b.txt"};
    QTest::newRow("kun store bogstaver") << QStringList{"a.txt"} << "A.txt" << "" << "A.txt"
                                         << QStringList{"A.txt"};
    QTest::newRow("kun filtypens bogstaver") << QStringList{"a.txt"} << "a.TXT" << "" << "a.TXT"
                                             << QStringList{"a.TXT"};
    QTest::newRow("optaget navn") << QStringList{"a.txt", "c.txt"} << "c" << "" << "c (1).txt"
                                  << QStringList{"c (1).txt", "c.txt"};
    QTest::newRow("anden fil med det store navn") << QStringList{"a.txt", "A.txt"} << "A.txt" << ""
                                                  << "A (1).txt" << QStringList{"A (1).txt", "A.txt"};
    QTest::newRow("danske bogstaver") << QStringList{"a.txt"} << "Ærø.txt" << "" << "Ærø.txt"
                                      << QStringList{"Ærø.txt"};
}

void TestOmdoebning::renameFil()
{
    QFETCH(QStringList, filer);
    QFETCH(QString, nytNavn);
    QFETCH(QString, svar);
    QFETCH(QString, resultat);
    QFETCH(QStringList, efter);

    for (const QString &f : filer)
        QVERIFY(lavFil(D + "/" + f, f.toUtf8()));
    m_motor->makeStruktur2(D);
    m_motor->setAktiveStruktur(Trae::Fil);
    if (svar == "ja")
        m_dialogs.svarJa();
    else if (svar == "nej")
        m_dialogs.svarNej();

    const QModelIndex node = filRaekke(filer.first());
    QCOMPARE(m_metode->RenameFil(filer.first(), nytNavn, node), resultat);
    // The row points at the file under its new name at once.
    QCOMPARE(m_filer->raekke(node.row()).rec.filnavn, D + "/" + resultat);
    QCOMPARE(m_dialogs.informationer, QStringList());
    QCOMPARE(m_dialogs.spoergsmaal, svar.isEmpty() ? QStringList()
                                                    : QStringList{"Filen var af type: .txt\rSkal den omdøbes til "
                                                                  "at være af type .doc?"});
    QCOMPARE(m_dialogs.ubesvarede, 0);
    QCOMPARE(navne(D), efter);
    QCOMPARE(indhold(D + "/" + resultat), filer.first().toUtf8());
    if (resultat != filer.first())
        QCOMPARE(m_motor->filnavn(), D + "/" + resultat);
}

void TestOmdoebning::renameFilUdenForFiltraeet()
{
    QVERIFY(lavFil(D + "/a.txt"));
    m_motor->makeStruktur2(D);
    m_motor->setAktiveStruktur(Trae::Mappe);

    QCOMPARE(m_metode->RenameFil("a.txt", "b.txt", filRaekke("a.txt")), QString("a.txt"));
    QCOMPARE(m_dialogs.informationer, QStringList{"Der opstod en fejl ved omdøbning af fil."});
    QCOMPARE(navne(D), QStringList{"a.txt"});
}

void TestOmdoebning::renameFilAfVaekFil()
{
    QVERIFY(lavFil(D + "/a.txt"));
    m_motor->makeStruktur2(D);
    QFile::remove(D + "/a.txt");
    QVERIFY(lavFil(D + "/b.txt"));
    m_motor->setAktiveStruktur(Trae::Fil);

    // Nothing is touched, least of all the file that already has the new name.
    QCOMPARE(m_metode->RenameFil("a.txt", "b.txt", m_filer->index(0)), QString());
    QCOMPARE(m_dialogs.informationer, QStringList());
    QCOMPARE(navne(D), QStringList{"b.txt"});
}

void TestOmdoebning::ubrugeligeNavneAfvises_data()
{
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("besked");

    QTest::newRow("skråstreg") << "../ud" << "Navnet må ikke indeholde tegnet \"/\".";
    QTest::newRow("punktum") << "." << "Navnet må ikke være \".\" eller \"..\".";
    QTest::newRow("to punktummer") << ".." << "Navnet må ikke være \".\" eller \"..\".";
    QTest::newRow("tomt") << "" << "Navnet må ikke være tomt.";
    QTest::newRow("for langt") << QString(130, QChar(0xE6)) << "Navnet er for langt.";
}

void TestOmdoebning::ubrugeligeNavneAfvises()
{
    QFETCH(QString, navn);
    QFETCH(QString, besked);

    QDir().mkpath(D + "/m");
    QVERIFY(lavFil(D + "/f.txt"));
    m_motor->makeStruktur2(D);
    m_motor->setAktiveStruktur(Trae::Fil);

    QCOMPARE(m_metode->RenameMappe("m", navn, filRaekke("m")), QString("m"));
    QCOMPARE(m_metode->RenameFil("f.txt", navn, filRaekke("f.txt")), QString("f.txt"));
    m_filer->vaelg(filRaekke("m").row());
    if (!navn.isEmpty())   // an empty name means "Ny mappe" here
        QCOMPARE(m_metode->OpretNyMappe(navn), QString());
    const QStringList forventet(navn.isEmpty() ? 2 : 3, besked);
    QCOMPARE(m_dialogs.informationer, forventet);
    QCOMPARE(navne(D), (QStringList{"f.txt", "m"}));
    QCOMPARE(navne(m_tmp->path()), QStringList{"d"});
}

void TestOmdoebning::nyMappeToGange()
{
    mappeNode(D);
    m_mapper->vaelg(m_mapper->index(0, 0));
    m_motor->setAktiveStruktur(Trae::Mappe);

    QCOMPARE(m_metode->OpretNyMappe(), D + "/Ny mappe");
    QCOMPARE(m_metode->OpretNyMappe(), D + "/Ny mappe Kopi (1)");
    QCOMPARE(m_metode->OpretNyMappe("Billeder"), D + "/Billeder");
    QCOMPARE(navne(D), (QStringList{"Billeder", "Ny mappe", "Ny mappe Kopi (1)"}));
    QCOMPARE(m_dialogs.informationer, QStringList());
}

void TestOmdoebning::nyMappeIFiltraeetVedSidenAfValgtMappe()
{
    QDir().mkpath(D + "/sub");
    m_motor->makeStruktur2(D);
    m_motor->setAktiveStruktur(Trae::Fil);
    // A click on a folder in the file tree makes it the current folder.
    m_motor->getFocusFilDirectory(filRaekke("sub").row());
    QCOMPARE(m_motor->mappenavn(), D + "/sub");

    QCOMPARE(m_metode->OpretNyMappe(), D + "/Ny mappe");
    QCOMPARE(m_motor->mappenavn(), D);
    QCOMPARE(navne(D + "/sub"), QStringList());
}

void TestOmdoebning::nyMappeUdenForaelder()
{
    m_motor->setAktiveStruktur(Trae::Mappe);
    QCOMPARE(m_metode->OpretNyMappe(), QString());   // nothing selected
    const QModelIndex borte = mappeNode(D + "/borte");
    m_mapper->vaelg(borte);
    QCOMPARE(m_metode->OpretNyMappe(), QString());
    m_motor->setAktiveStruktur(Trae::Fil);
    m_motor->setMappenavn(D + "/borte");
    QCOMPARE(m_metode->OpretNyMappe(), QString());
    QCOMPARE(m_dialogs.informationer, QStringList());
    QVERIFY(!QFileInfo::exists(D + "/borte"));

    // A folder no one may create folders in (not even root) is reported.
    if (!QFileInfo(QStringLiteral("/proc")).isDir())
        QSKIP("no /proc");
    m_motor->setMappenavn(QStringLiteral("/proc"));
    QCOMPARE(m_metode->OpretNyMappe(), QString());
    QCOMPARE(m_dialogs.informationer, QStringList{"Der kunne ikke oprettes en ny mappe.\rDer opstod en fejl."});
}

void TestOmdoebning::selectMappe()
{
    const QModelIndex top = mappeNode(D + "/a");
    mappeNode(D + "/b");
    m_mapper->tilfoejNode(top, "dyb", 0, StrukturRec{D + "/a/dyb", {}, IdMappe});
    m_motor->setAktiveStruktur(Trae::Mappe);
    QSignalSpy fokus1(m_metode, &TMetodeCompo::mappetraeFokusOenskes);

    QVERIFY(m_metode->SelectMappe(D + "/b"));
    QCOMPARE(m_mapper->tekst(m_mapper->valgtNode()), QString("b"));
    QCOMPARE(fokus1.size(), 1);
    QVERIFY(!m_metode->SelectMappe(D + "/B"));        // paths compare exactly
    QVERIFY(!m_metode->SelectMappe(D + "/a/dyb"));    // only the top level

    QDir().mkpath(D + "/Ny mappe");
    QVERIFY(lavFil(D + "/Ny mappe.txt"));
    m_motor->makeStruktur2(D);
    m_motor->setAktiveStruktur(Trae::Fil);
    QSignalSpy fokus2(m_filer, &TFilModel::fokusOenskes);
    QVERIFY(m_metode->SelectMappe(D + "/Ny mappe"));
    QCOMPARE(m_filer->raekke(m_filer->valgtRaekke()).tekst, QString("Ny mappe"));
    QCOMPARE(fokus2.size(), 1);
    QVERIFY(!m_metode->SelectMappe(D + "/Ny mappe.txt"));
}

void TestOmdoebning::nyTekstfil_data()
{
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("Tekstfil.txt") << "Tekstfil.txt" << Bom;
    QTest::newRow("Hjemmeside.html") << "Hjemmeside.html" << Bom + HtmlBytes;
    QTest::newRow("ASP.asp") << "ASP.asp"
                             << Bom + "<%@LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"1252\"%>\r\n" + HtmlBytes;
    QTest::newRow("WindowsScriptFiles.wsf")
        << "WindowsScriptFiles.wsf"
        << Bom + "<job id=\"\">\r\n<script language=\"VBScript\">\r\n\r\n</script>\r\n</job>\r\n";
    QTest::newRow("store bogstaver: ingen skabelon") << "SIDE.HTML" << Bom;
    QTest::newRow("uden filtype") << "Makefile" << Bom;
}

void TestOmdoebning::nyTekstfil()
{
    QFETCH(QString, navn);
    QFETCH(QByteArray, bytes);

    TSkrivTekstfiler skriver(&m_dialogs);
    QCOMPARE(skriver.opretTekstfil(D + "/" + navn), D + "/" + navn);
    QCOMPARE(indhold(D + "/" + navn), bytes);
    QCOMPARE(navne(D), QStringList{navn});   // no temporary file left behind
    // Ordinary permissions, not those of a private temporary file.
    QVERIFY(QFileInfo(D + "/" + navn).permissions() & QFile::ReadOther);
}

void TestOmdoebning::nyTekstfilToGangeOgOptagetNavn()
{
    TSkrivTekstfiler skriver(&m_dialogs);
    QCOMPARE(skriver.opretTekstfil(D + "/Hjemmeside.html"), D + "/Hjemmeside.html");
    QCOMPARE(skriver.opretTekstfil(D + "/Hjemmeside.html"), D + "/Hjemmeside (1).html");
    QCOMPARE(skriver.Hovedmappe, D);
    QCOMPARE(skriver.Ext, QString(".html"));
    QCOMPARE(indhold(D + "/Hjemmeside (1).html"), Bom + HtmlBytes);

    // A dangling link or a folder holds the name too, and stays as it was.
    QFile::link(D + "/ingenting", D + "/Tekstfil.txt");
    QDir().mkpath(D + "/Tekstfil (1).txt");
    QCOMPARE(skriver.opretTekstfil(D + "/Tekstfil.txt"), D + "/Tekstfil (2).txt");
    QCOMPARE(QFileInfo(D + "/Tekstfil.txt").symLinkTarget(), D + "/ingenting");
    QVERIFY(!QFileInfo::exists(D + "/ingenting"));
    QCOMPARE(m_dialogs.informationer, QStringList());
}

void TestOmdoebning::nyTekstfilFejl()
{
    TSkrivTekstfiler skriver(&m_dialogs);
    QCOMPARE(skriver.opretTekstfil(QString()), QString());
    QCOMPARE(m_dialogs.informationer, QStringList{"Der er fejl i filnavnet.\r"});
    // A missing folder: nothing is written; the window reports it.
    QCOMPARE(skriver.opretTekstfil(D + "/borte/Tekstfil.txt"), QString());
    QCOMPARE(navne(D), QStringList());
}

void TestOmdoebning::renameFilExt()
{
    for (const char *f : {"a.txt", "b.txt", "C.TXT", "a.log", "d.doc", "sub/e.txt", "sub/dyb/f.txt"})
        QVERIFY(lavFil(D + "/" + f, f));
    QVERIFY(lavFil(m_tmp->path() + "/ude/g.txt"));
    QFile::link(m_tmp->path() + "/ude", D + "/link");

    m_motor->setAktiveStruktur(Trae::Fil);
    QCOMPARE(m_metode->RenameFilExt(D, ".txt", ".log", false), 3);
    // a.log was taken: a.txt stays and a.log keeps its own contents.
    QCOMPARE(navne(D), (QStringList{"C.log", "a.log", "a.txt", "b.log", "d.doc", "link", "sub"}));
    QCOMPARE(indhold(D + "/a.log"), QByteArray("a.log"));
    QCOMPARE(indhold(D + "/C.log"), QByteArray("C.TXT"));
    QCOMPARE(navne(D + "/sub"), (QStringList{"dyb", "e.txt"}));
    // The file tree lists the folder afresh.
    QCOMPARE(m_motor->mappenavn(), D);
    QVERIFY(filRaekke("b.log").isValid());

    QCOMPARE(m_metode->RenameFilExt(D, ".txt", ".md", true), 3);
    QCOMPARE(navne(D + "/sub"), (QStringList{"dyb", "e.md"}));
    QCOMPARE(navne(D + "/sub/dyb"), QStringList{"f.md"});
    QCOMPARE(navne(D), (QStringList{"C.log", "a.log", "a.md", "b.log", "d.doc", "link", "sub"}));
    // A link to a folder elsewhere is not followed.
    QCOMPARE(navne(m_tmp->path() + "/ude"), QStringList{"g.txt"});

    // A multi-part extension is replaced whole, and nothing found is 0.
    QVERIFY(lavFil(D + "/arkiv.tar.gz"));
    QCOMPARE(m_metode->RenameFilExt(D, ".tar.gz", ".tgz", false), 1);
    QVERIFY(QFileInfo::exists(D + "/arkiv.tgz"));
    QCOMPARE(m_metode->RenameFilExt(D, ".xyz", ".abc", true), 0);
    QCOMPARE(m_dialogs.informationer, QStringList());
}

void TestOmdoebning::renameFilExtFejl()
{
    QVERIFY(lavFil(D + "/a.txt"));
    QCOMPARE(m_metode->RenameFilExt(D + "/borte", ".txt", ".log", false), -1);
    QCOMPARE(m_dialogs.informationer, QStringList{"Der opstod en ukendt fejl!"});
    QCOMPARE(m_metode->RenameFilExt(D, ".txt", "/../../a.log", false), -1);
    QCOMPARE(m_dialogs.informationer.last(), QString("Filtypen må ikke indeholde tegnet \"/\"."));
    QCOMPARE(navne(D), QStringList{"a.txt"});
}

QTEST_GUILESS_MAIN(TestOmdoebning)
#include "tst_omdoebning.moc"
