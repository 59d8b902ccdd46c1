#pragma once

#include "engines/tdeletecompo.h"

#include <QPointer>

class Tdeleteform;
class Tkopieringsform;
class QWidget;

// The delete engine of one explorer window with its two real windows: the
// confirmation "Sletning af elementer" and the delete window "Sletter
// mapper og filer", both owned by the explorer window and closed with this
// object.
class TDeleteObjekt : public TDeleteCompo
{
    Q_OBJECT

public:
    TDeleteObjekt(Dialogs *dialogs, const QString &optMappe, QWidget *vindue);
    ~TDeleteObjekt() override;

    Tkopieringsform *spmDelBox() const;
    Tdeleteform *deleteBox() const;

private:
    TDeleteObjekt(Dialogs *dialogs, Tkopieringsform *spm, Tdeleteform *boks, QWidget *vindue);

    QPointer<Tkopieringsform> m_spm;
    QPointer<Tdeleteform> m_boks;
};
