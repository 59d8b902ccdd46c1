#include "engines/tgrundobjekt.h"

#include "core/dialogs.h"
#include "platform/brugernavn.h"

TGrundObjekt::TGrundObjekt(QObject *ejer)
    : QObject(ejer)
    , Brugernavn(brugernavn::hent())
{
}

void TGrundObjekt::informer(const QString &tekst) const
{
    if (m_dialogs)
        m_dialogs->inform(tekst);
}
