#pragma once

#include "engines/tpastecompo.h"

// The paste driver of one explorer window: copy (PasteElementer) and move
// (PasteCutElementer) of the lists its onLoadLister handler supplies, with
// the confirmation, the counting, the progress and the conflict rules.
//
// A move on one volume renames; a taken target is only ever replaced in one
// step, so the old element stays until the new one stands in its place. A
// move to another volume copies first and then removes only the sources
// whose own copy is complete; folders go only once they are empty.
class TPasteObjekt : public TPasteCompo
{
    Q_OBJECT

public:
    using TPasteCompo::TPasteCompo;

    bool PasteElementer();
    bool PasteCutElementer();
    // Copies what the lists hold now; true when nothing was left alone.
    bool KopierFraLister();
    // Removes the moved sources; false when one that arrived could not go.
    bool DeleteFraLister();
    // The result for the window's "Der blev kopieret " notice.
    QString getResult() const;
    // Whether a paste is running: a second start is refused.
    bool koerer() const { return m_koerer; }

private:
    // Marks the engine busy for the length of one paste.
    class Optaget
    {
    public:
        explicit Optaget(bool &flag) : m_flag(flag) { m_flag = true; }
        ~Optaget() { m_flag = false; }

    private:
        bool &m_flag;
    };

    bool hentListerne();
    bool bekraeft(bool flyt);
    // Moves one element on its volume; one on another volume is appended
    // to `andetDrev` for the copy path.
    void flytMappe(const QString &mappe, QStringList &andetDrev);
    void flytFil(const QString &fil, QStringList &andetDrev);
    // The method's rule for one element on this volume; `optalt` is the
    // files and bytes it holds.
    void flytElement(const QString &kilde, const QString &target, bool mappe, QPair<qint64, qint64> optalt,
                     QStringList &andetDrev);
    enum class Flytning { Flyttet, AndetDrev, Fejlet, Findes };
    Flytning omdoeb(const QString &fra, const QString &til, bool erstat);
    Flytning erstatMappe(const QString &fra, const QString &til);
    bool spoergErstatMappe(const QString &target);
    void flyttet(qint64 filer, qint64 bytes);
    // Removes what arrived from the folder `mappe` (never inside another
    // volume than the moved folder's `rod`); `helt` when the whole folder
    // arrived, so anything else in it came after the copy.
    bool fjernAnkomne(const QString &mappe, bool helt, const montering::Sted &rod);
    void progressInfoDel();
    // The folders for another volume, less those holding another mounted
    // volume, which are named to the user and left alone.
    QStringList udenAndreDrevInde(const QStringList &mapper);
    // Makes every copy durable before a source is deleted; false (and
    // reported) when the volume could not promise that.
    bool goerKopierneVarige();
    // True when the source file is still what it was when its copy began.
    bool uaendret(const QString &kilde) const;
    void rapporterFlytning();

    bool m_koerer = false;
    QStringList m_andreDrevInde;   // "folder (drevet mount point)"
    QStringList m_aendrede;        // sources kept because they changed
    // "Gør det samme med alle" of the folder replace question in this move.
    bool m_erstatHuskes = false;
    bool m_erstatSvar = false;
};
