#include "app/tstrukturmenu.h"

#include "app/hint.h"
#include "app/ikoner.h"
#include "core/dansk.h"
#include "core/dialogs.h"
#include "core/filnavn.h"
#include "explorer/tstifindernavigation.h"
#include "explorer/twinform.h"
#include "platform/tekstfil.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace {

// A "&" in a file name is a letter, not a mnemonic marker.
QString menutekst(const QString &navn)
{
    QString t = navn;
    return t.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

TStrukturmenu::TStrukturmenu(const Ramme &ramme, QAction *OpretSmappe, QAction *bestemFremstilling,
                             QObject *parent)
    : QObject(parent)
    , m_menu(new QMenu)
    , m_ramme(ramme)
{
    m_menu->setObjectName(QStringLiteral("PuMappeStruk"));
    m_menu->setToolTipsVisible(true);
    QMenu *hjemmelavede = m_menu->addMenu(ikoner::hent("folder", QStyle::SP_DirIcon),
                                          QStringLiteral("Hjemmelavede strukturer"));
    hjemmelavede->menuAction()->setToolTip(QStringLiteral("Konstruerede mappestrukturer"));
    hjemmelavede->addAction(OpretSmappe);
    hjemmelavede->addSeparator();
    hjemmelavede->addAction(bestemFremstilling);
    m_menu->addSeparator();
}

TStrukturmenu::~TStrukturmenu()
{
    // The menu has no parent widget: explorer windows show it on their
    // buttons, and any of them may close first.
    delete m_menu;
}

QStringList TStrukturmenu::strukturnavne(const QString &mappe)
{
    QStringList navne;
    const QFileInfoList filer =
        QDir(mappe).entryInfoList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden, QDir::Unsorted);
    for (const QFileInfo &f : filer)
        navne << f.completeBaseName();
    // In name order, as the folder listings of the system the structures
    // were first kept on gave them.
    dansk::sorterNavne(navne);
    return navne;
}

void TStrukturmenu::loadMappeStruktur()
{
    const QList<QAction *> emner = m_menu->actions();
    for (int i = antalFasteEmner; i < emner.size(); ++i) {
        // The item may be the one being chosen right now: a new explorer
        // window opened for it refills this menu.
        m_menu->removeAction(emner[i]);
        emner[i]->deleteLater();
    }
    if (m_mappe.isEmpty() || !QDir(m_mappe).exists())
        return;
    const QIcon ikon = ikoner::hent("folder", QStyle::SP_DirIcon);
    for (const QString &navn : strukturnavne(m_mappe)) {
        // The file name holds the typed name in the program's file-name
        // form; the menu shows the name itself.
        const QString vist = filnavn::tilNavn(navn);
        QAction *a = m_menu->addAction(ikon, menutekst(vist));
        a->setData(navn);
        hint::saet(a, QStringLiteral("Aktiver ") + vist);
        const int index = int(m_menu->actions().size()) - 1;
        connect(a, &QAction::triggered, this, [this, index] { mMsOnClick(index); });
    }
}

void TStrukturmenu::mMsOnClick(int index)
{
    if (index < antalFasteEmner || index >= m_menu->actions().size())
        return;
    const QString navn = m_menu->actions().at(index)->data().toString();
    Twinform *w = m_ramme.aktivStifinder();
    if (!w)
        return;
    *m_ramme.OnClickIndex = index;
    *m_ramme.OnClickCaption = navn;
    tekstfil::Laesning status;
    const QStringList mapper = tekstfil::hent(m_mappe + navn + QStringLiteral(".txt"), tekstfil::Art::Liste, &status);
    if (status == tekstfil::Laesning::Fejl)
        return;   // the user has been told what is wrong with the file
    if (status != tekstfil::Laesning::Ok) {
        // The file went away since the menu was filled.
        m_ramme.dialogs->inform(
            QStringLiteral("Der opstod en fejl i forbindelse med indlæsningen af mappestrukturfiler."));
        return;
    }
    w->navigation()->visHjemmelavetStruktur(mapper, m_ramme.fremstillingsform() != 0);
}

void TStrukturmenu::CallOnClick()
{
    const QList<QAction *> emner = m_menu->actions();
    for (int i = antalFasteEmner; i < emner.size(); ++i) {
        if (emner[i]->data().toString() == *m_ramme.OnClickCaption) {
            mMsOnClick(i);
            return;
        }
    }
    m_ramme.dialogs->inform(QStringLiteral("Sidste hjemmelavede struktur:\r") + *m_ramme.OnClickCaption
                            + QStringLiteral("\rblev ikke fundet.\rStrukturmenuen må være blevet ændret siden sidst."));
    *m_ramme.OnClickIndex = -1;
    m_ramme.OnClickCaption->clear();
}
