#pragma once

#include <QAction>
#include <QString>
#include <QWidget>

#include "app/hint.h"

// The commands of a page or tool window: each is a QAction named so that
// enable rules and tests find it by name, with its hint, and added to its
// owner so its keys act there.
namespace navngivne {

inline QAction *lav(QWidget *ejer, const char *navn, const QString &tekst, const QString &hintTekst)
{
    auto *a = new QAction(tekst, ejer);
    a->setObjectName(QLatin1String(navn));
    hint::saet(a, hintTekst);
    ejer->addAction(a);
    return a;
}

// A key that acts only while the focus is in the owner, so a page never
// takes a key from an explorer window.
inline QAction *lavMedLokalTast(QWidget *ejer, const char *navn, const QString &tekst, const QString &hintTekst,
                                const QKeySequence &tast)
{
    QAction *a = lav(ejer, navn, tekst, hintTekst);
    a->setShortcut(tast);
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    return a;
}

inline QAction *find(const QWidget *ejer, const QString &navn)
{
    return ejer->findChild<QAction *>(navn, Qt::FindDirectChildrenOnly);
}

} // namespace navngivne
