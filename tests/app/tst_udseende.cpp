// What every window shows besides its own texts: Qt's standard texts in
// Danish and command pictures that say what the command does.
#include "app/ikoner.h"
#include "app/oversaettelser.h"
#include "explorer/tstifinderkommandoer.h"
#include "testmiljoe.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>
#include <QtTest>

namespace {

QImage billede(const QIcon &ikon)
{
    return ikon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestUdseende : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        ikoner::indstilTema();
    }

    // The context menu of every text field, as the user meets it.
    void qtsTeksterErDanske()
    {
        QVERIFY(oversaettelser::indlaesQt(*qApp));
        QLineEdit felt;
        std::unique_ptr<QMenu> menu(felt.createStandardContextMenu());
        QStringList tekster;
        for (const QAction *a : menu->actions())
            if (!a->isSeparator())
                tekster << a->text().section(u'\t', 0, 0).remove(u'&');
        QCOMPARE(tekster, (QStringList{"Fortryd", "Omgør", "Klip", "Kopiér", "Sæt ind", "Slet", "Markér alt"}));
    }

    // The desktop's names for the pictures of the edit commands.
    void billederEfterTemaetsNavne_data()
    {
        QTest::addColumn<QString>("kommando");
        QTest::addColumn<QString>("tema");
        QTest::newRow("Klip") << "Cut" << "edit-cut";
        QTest::newRow("Kopier") << "Copy" << "edit-copy";
        QTest::newRow("Sæt ind") << "Paste" << "edit-paste";
        QTest::newRow("Slet til papirkurv") << "DeleteToPapirkurv" << "user-trash";
        QTest::newRow("Slet permanent") << "DeletePermanent" << "edit-delete";
        QTest::newRow("Annuller kopiering") << "AnnullerKopiering" << "edit-undo";
        QTest::newRow("Ny mappe") << "NyMappe" << "folder-new";
    }

    void billederEfterTemaetsNavne()
    {
        QFETCH(QString, kommando);
        QFETCH(QString, tema);
        QWidget vindue;
        TStifinderKommandoer k(&vindue);
        QCOMPARE(vindue.findChild<QAction *>(kommando)->icon().name(), tema);
    }

    // No two commands of the function bar look alike, so none is taken for
    // another ("Slet permanent" for "Annuller kopiering").
    void funktionslinjensBillederErForskellige()
    {
        QWidget vindue;
        TStifinderKommandoer k(&vindue);
        const QStringList linje = {"AnnullerKopiering", "Cut", "Copy", "Paste", "DeleteToPapirkurv",
                                   "DeletePermanent", "Rename2", "Rename", "RenameExt", "NyMappe",
                                   "aOpretTekstfil", "Info", "insertFilSFWS", "Rens", "aEmptyRB"};
        for (int i = 0; i < linje.size(); ++i) {
            const QImage a = billede(vindue.findChild<QAction *>(linje[i])->icon());
            QVERIFY2(!a.isNull(), qPrintable(linje[i]));
            for (int j = 0; j < i; ++j)
                QVERIFY2(a != billede(vindue.findChild<QAction *>(linje[j])->icon()), qPrintable(linje[i] + " = " + linje[j]));
        }
    }

    // Without any icon theme the edit commands get our own pictures, never
    // a style picture that means something else (a bin for "Klip").
    void egneBillederUdenTema()
    {
        const QStringList stier = QIcon::themeSearchPaths();
        const QString tema = QIcon::themeName();
        QIcon::setThemeSearchPaths({});
        QIcon::setThemeName(QStringLiteral("ingen"));
        const QImage klip = billede(ikoner::hent("edit-cut", QStyle::SP_TrashIcon));
        const QImage saetInd = billede(ikoner::hent("edit-paste", QStyle::SP_DialogSaveButton));
        QIcon::setThemeSearchPaths(stier);
        QIcon::setThemeName(tema);
        QCOMPARE(klip, billede(ikoner::egen("edit-cut")));
        QVERIFY(klip != billede(QApplication::style()->standardIcon(QStyle::SP_TrashIcon)));
        QCOMPARE(saetInd, billede(ikoner::egen("edit-paste")));
        QVERIFY(ikoner::egen("findes-ikke").isNull());
    }
};

QTEST_MAIN(TestUdseende)
#include "tst_udseende.moc"
