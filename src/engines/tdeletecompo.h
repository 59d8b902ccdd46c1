#pragma once

#include "engines/bekraeftelse.h"

#include "platform/papirkurv.h"
#include "platform/sletning.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <optional>

class Bekraeftelse;
class Dialogs;
class Fremdrift;

// Deletes the folders and files selected in an explorer window, to the
// desktop's trash or permanently, after the confirmation the window's
// question setting asks for, while the delete window counts down files and
// bytes.
//
// Nothing is deleted by accident: "/", the home folder, the program's data
// folder, any folder above them and every mount point are refused before
// the question; a permanent deletion never follows links nor enters another
// mounted volume; an element that cannot go to a trash stays where it is.
// Every element that was not deleted is named to the user afterwards, and
// the result counts only what was deleted.
class TDeleteCompo : public QObject
{
    Q_OBJECT

public:
    // The confirmation window, the delete window and the message boxes are
    // the caller's; they must outlive this object.
    TDeleteCompo(Dialogs *dialogs, Bekraeftelse *SpmDelBox, Fremdrift *DeleteBox, QObject *ejer = nullptr);

    // "Kun før Slet" asks only before a permanent deletion.
    void setIntSpm(Spoergsmaal spm) { IntSpm = spm; }
    void setCloseBoxAfter(bool luk) { CloseBoxAfter = luk; }
    // Folders never deleted besides "/", the home folder, the program's data
    // and program folders and the mount points.
    void setBeskyttede(const QStringList &mapper) { m_beskyttede = mapper; }
    // Tests fake mount points; the real ones are always recognised.
    void setMonteringspunkter(const std::optional<QSet<QString>> &punkter) { m_monteringer = punkter; }
    // Where the trash folders are looked for (default: the running system).
    void setPapirkurvKilder(const papirkurv::Kilder &kilder) { m_kilder = kilder; }

    // True when the deletion ran (whatever it could not delete, it named);
    // false when the user declined or nothing could be deleted at all.
    bool DeleteElementer(const QStringList &aMappeListe, const QStringList &aFilListe, bool tilPapirkurv);

    // The size text of what the last deletion removed ("1,50 MB"); empty
    // when it was declined.
    QString getResult() const { return m_resultat; }

    // Counts the listed elements and prepares the delete window; the total
    // bytes.
    qint64 sizeOfDelElementer(const QString &aDeleteTekst);
    bool FileDeleteRB(const QString &fil);
    bool sletMappe(const QString &mappe, bool toPapirkurv);
    int progressInfoDel();

    // The elements the last deletion left, each with its reason.
    const QList<sletning::Fejl> &ikkeSlettet() const { return m_fejl; }

    // Why `sti` may never be deleted; empty when it may.
    QString beskyttelse(const QString &sti) const;

    QStringList DeleteMapper, DeleteFiler;
    Spoergsmaal IntSpm = Spoergsmaal::Altid;
    bool CloseBoxAfter = true;
    qint64 antalFiler = 0;
    qint64 antalMapper = 0;
    qint64 totalSize = 0;
    qint64 posSize = 0;

private:
    struct Optaelling
    {
        qint64 filer = 0;
        qint64 bytes = 0;
        bool findes = false;
    };

    struct Vagt
    {
        QSet<QString> monteringer;
        QStringList vigtige;
        // The elements' resolved paths during the deletion.
        mutable sletning::Kanonisering kanonisk;
    };

    bool sletElementer(const QStringList &aMappeListe, const QStringList &aFilListe, bool tilPapirkurv);
    QStringList vigtigeMapper() const;
    bool skalSpoerge(bool tilPapirkurv) const;
    bool fjernBeskyttede();
    void sletMapper(bool tilPapirkurv);
    void sletFiler(bool tilPapirkurv);
    bool flytTilKurv(const QString &sti);
    bool filTilKurv(const QString &fil);
    void rapporter();
    QSet<QString> monteringspunkter() const;

    Dialogs *m_dialogs;
    Bekraeftelse *SpmDelBox;
    Fremdrift *DeleteBox;
    QStringList m_beskyttede;
    std::optional<QSet<QString>> m_monteringer;
    std::optional<papirkurv::Kilder> m_kilder;
    std::optional<papirkurv::Papirkurv> m_kurv;
    QList<Optaelling> m_mappeTal;
    // The count of the listed folders, whose sizes the deletion reuses.
    sletning::Optaelling m_optaelling;
    QList<sletning::Fejl> m_fejl;
    qint64 m_slettet = 0;
    std::optional<Vagt> m_vagt;   // while a deletion runs
    QElapsedTimer m_ur;   // since the progress labels were last written
    QString m_resultat;
};
