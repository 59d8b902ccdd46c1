#include "explorer/tdeleteobjekt.h"

#include "explorer/tdeleteform.h"
#include "explorer/tkopieringsform.h"

TDeleteObjekt::TDeleteObjekt(Dialogs *dialogs, const QString &optMappe, QWidget *vindue)
    : TDeleteObjekt(dialogs, new Tkopieringsform(optMappe, vindue), new Tdeleteform(vindue), vindue)
{
}

TDeleteObjekt::TDeleteObjekt(Dialogs *dialogs, Tkopieringsform *spm, Tdeleteform *boks, QWidget *vindue)
    : TDeleteCompo(dialogs, spm, boks, vindue)
    , m_spm(spm)
    , m_boks(boks)
{
}

TDeleteObjekt::~TDeleteObjekt()
{
    delete m_spm;
    delete m_boks;
}

Tkopieringsform *TDeleteObjekt::spmDelBox() const
{
    return m_spm;
}

Tdeleteform *TDeleteObjekt::deleteBox() const
{
    return m_boks;
}
