#pragma once

#include "platform/drev.h"
#include "platform/specialmapper.h"

#include <QObject>

class Dialogs;
class TFilModel;
class TMappeModel;

// The base of the tree engine: the two trees it fills, the user's name, and
// where it learns about drives and standard folders. The trees are models
// owned by the window; the engine only holds them.
class TGrundObjekt : public QObject
{
    Q_OBJECT

public:
    explicit TGrundObjekt(QObject *ejer = nullptr);

    void setStruktur1(TMappeModel *trae) { Struktur1 = trae; }
    void setStruktur2(TFilModel *trae) { Struktur2 = trae; }
    void setBrugernavn(const QString &navn) { Brugernavn = navn; }
    void setDialogs(Dialogs *dialogs) { m_dialogs = dialogs; }
    // Tests hand in a fake machine; the program uses the running system.
    void setDrevKilder(const DrevKilder &kilder) { m_drev = Drev(kilder); }
    void setSpecialMapper(const SpecialMapper &mapper) { m_specialMapper = mapper; }

    TMappeModel *struktur1() const { return Struktur1; }
    TFilModel *struktur2() const { return Struktur2; }
    QString brugernavn() const { return Brugernavn; }

protected:
    void informer(const QString &tekst) const;

    TMappeModel *Struktur1 = nullptr;
    TFilModel *Struktur2 = nullptr;
    QString Brugernavn;
    Dialogs *m_dialogs = nullptr;
    Drev m_drev;
    SpecialMapper m_specialMapper;
};
