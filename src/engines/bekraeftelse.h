#pragma once

#include <QString>
#include <QStringList>

// When a paste or a deletion asks before it runs ("Sæt ind og slet").
enum class Spoergsmaal { Altid = 0, KunFoerSlet = 1, Aldrig = 2 };

// The stored number of the choice; anything else asks always.
inline Spoergsmaal spoergsmaalFraTal(int tal)
{
    return tal == 1 ? Spoergsmaal::KunFoerSlet : tal == 2 ? Spoergsmaal::Aldrig : Spoergsmaal::Altid;
}

// The confirmation window "Kopiering/Flytning/Sletning": it lists the files
// and folders a copy, move or deletion is about to touch and answers true
// exactly when the user pressed "Ja".
class Bekraeftelse
{
public:
    enum class Art { Kopiering, Flytning, Sletning };

    // What the window shows for one kind of confirmation.
    struct Tekster
    {
        QString caption;
        QString spoergsmaal;
        QString destination;
        Art art = Art::Kopiering;
    };

    virtual ~Bekraeftelse() = default;

    virtual bool skalElementerKopieres(const QString &aDestDir, bool flytEle, const QStringList &filelist,
                                       const QStringList &mappelist) = 0;
    virtual bool skalElementerSlettes(const QStringList &Fliste, const QStringList &Mliste,
                                      bool tilPapirkurv) = 0;

    static Tekster kopiTekster(const QString &aDestDir, bool flytEle);
    static Tekster sletTekster(bool tilPapirkurv);
};
