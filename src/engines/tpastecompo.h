#pragma once

#include "engines/bekraeftelse.h"

#include "engines/konfliktspoergsmaal.h"
#include "platform/filkopi.h"
#include "platform/monteringer.h"
#include "platform/sletning.h"

#include <QHash>
#include <QObject>

#include <cerrno>
#include <QSet>
#include <QStringList>

#include <functional>

class Bekraeftelse;
class Dialogs;
class Fremdrift;
class KopiFremdrift;

// The paste engine's common part: the destination and the two lists of one
// paste, the settings the explorer window hands over, the counting before a
// paste, the progress, and the copying of files and folders under the
// conflict rule. TPasteObjekt builds the copy and move operations on it.
//
// Every element is copied under a temporary name and only counts as done
// once it stands complete under its final name. What did not arrive —
// failed, stopped, refused as the element itself — is remembered per
// top-level element, so the result and the messages say exactly that; a
// failure inside a folder is also named by its own path and reason.
//
// Source and target are compared as elements, never as path texts: the
// same folder reached through a link, a bind mount or another spelling on
// a volume that folds letter case is the same folder. And a target this
// paste made itself is never an existing target: a second element of the
// same name gets a free name by the copy rule, whatever the method says.
class TPasteCompo : public QObject
{
    Q_OBJECT

public:
    // The windows the engine talks through; the explorer window passes its
    // own, tests pass recording fakes.
    struct Vinduer
    {
        Dialogs *dialogs = nullptr;
        KonfliktSpoergsmaal *SpmHandling = nullptr;
        Bekraeftelse *SpmCopyBox = nullptr;
        KopiFremdrift *ProgressBox = nullptr;
        Fremdrift *DeleteBox = nullptr;
    };

    explicit TPasteCompo(const Vinduer &vinduer, QObject *ejer = nullptr);

    void setConstDest(const QString &dest) { ConstDest = dest; }
    void setIntSpm(Spoergsmaal spm) { IntSpm = spm; }
    void setIntPasteMetode(int metode) { IntPasteMetode = konfliktHandlingFraTal(metode); }
    void setCloseBoxAfter(bool luk) { CloseBoxAfter = luk; }
    void setBoxCaption(const QString &caption);
    void setPasteMapper(const QStringList &mapper) { PasteMapper = mapper; }
    void setPasteFiler(const QStringList &filer) { PasteFiler = filer; }

    // Counts what the lists hold, fills the progress window and writes the
    // summary; the bytes to paste.
    qint64 sizeOfElementer(const QString &dest);
    // One file done with `n` bytes: percentage, remaining count and bar.
    int progressInfo(qint64 n);
    void udskrivInfo();
    KonfliktSvar askUser(const QString &target);
    bool eksistererFilen(const QString &source, const QString &target);
    // `fejl` is the errno that kept the folder from being made.
    bool eksistererMappe(const QString &source, const QString &target, int fejl = EACCES);
    // The summary's size text: the unit goes by the number of digits.
    static QString stoerrelseEfterCifre(qint64 n);

    // Raised at the start of a paste: the handler fills ConstDest,
    // PasteMapper and PasteFiler (or leaves ConstDest empty).
    std::function<void()> onLoadLister;
    // Raised when the paste was confirmed (true) or abandoned (false).
    std::function<void(bool)> onPasteElements;

    QString ConstDest;
    QStringList PasteMapper, PasteFiler;
    Spoergsmaal IntSpm = Spoergsmaal::Altid;
    KonfliktHandling IntPasteMetode = KonfliktHandling::SpoergHverGang;
    bool CloseBoxAfter = true;
    QString BoxCaption;
    qint64 antalFiler = 0;
    qint64 antalMapper = 0;
    qint64 totalSize = 0;
    qint64 posSize = 0;
    qint64 ikkePastede = 0;

    // What actually happened in the last paste.
    qint64 udfoerteFiler() const { return m_udfoerteFiler; }
    qint64 udfoerteBytes() const { return m_udfoerteBytes; }
    // The top-level elements that did not arrive complete.
    const QStringList &ikkeAnkomne() const { return m_ikkeAnkomne; }

    // Tests: decides whether two paths lie on different volumes.
    using DrevTest = std::function<bool(const QString &a, const QString &b)>;
    void setDrevTest(DrevTest test);

protected:
    enum class Udfald { Kopieret, Sprunget, Fejlet, Stoppet };
    enum class Valg { LadVaere, Erstat, NytNavn };

    // What the paste method says for a taken target; asks the conflict
    // question when it says so, and the answer stands for the rest of the
    // paste unless it is "Spørg hver gang".
    Valg konfliktValg(const QString &target);

    // Starts the record of one paste.
    void nulstil();
    // Removes what interrupted copies left in the destination long ago.
    void ryddeOpIDestinationen();
    // Copies every folder and then every file of the lists into ConstDest.
    void kopierListerne();
    // The conflict rule for one file, then the copy; `target` may change to
    // a free name. At the top level, source and target are compared as the
    // volume compares names.
    Udfald kopierMedRegel(const QString &source, QString target, bool topniveau = false);
    Udfald kopierFilEx(const QString &source, const QString &target, bool erstat);
    // Copies the contents of `source` into `target` (made when missing);
    // true when everything inside arrived.
    bool kopierMappeEx(const QString &source, const QString &target);
    // One folder inside a folder being copied: made (or merged into) and
    // filled; `mor` is where the folder holding it lies.
    bool kopierUndermappe(const QString &gammel, const QString &ny, const montering::Sted &mor);
    // 0 when `mappe` is a folder (or a link to one), else why not: ENOENT
    // when it is gone, ENOTDIR when it is something else.
    static int mappeFejl(const QString &mappe);

    bool stoppet() const;
    bool andetDrev(const QString &a, const QString &b) const;
    // Refuses folders that would be copied or moved into themselves.
    void afvisMapperISigSelv(bool flyt);
    void rapporterFilFejl(const QString &source, const QString &target, int fejl);
    void ikkeAnkommet(const QString &element);
    void sprungetSomSamme(const QString &sti);
    void specielFil(const QString &sti);
    // A failure inside a folder, named by its own path.
    void fejlInde(const QString &sti, int fejl);
    // Tells the user, once per paste, what was left out and why.
    void rapporterUdeladte(bool flyt);
    // True when everything counted arrived and nothing was left out.
    bool fuldstaendig() const;

    // Targets this paste made (or merged into) at the top of ConstDest.
    bool brugtAfDennePaste(const QString &target) const;
    void brugt(const QString &target);
    // The volume of a folder written into during a move, to be made durable
    // before any source goes.
    void skrevetI(const QString &mappe);

    Vinduer m_vinduer;
    // During a move: the source files whose copy is complete, each with
    // what it was when its copy began, and the source folders that have
    // their counterpart; the only ones the deletion afterwards may remove.
    bool m_husk = false;
    QHash<QString, filkopi::Kendetegn> m_ankomne;
    // Files and bytes the counting found under each top-level folder.
    QHash<QString, QPair<qint64, qint64>> m_optalt;
    // The first other mounted volume the counting found inside each
    // top-level folder (a move does not take a folder across volumes
    // with another volume inside).
    QHash<QString, QString> m_monteringI;
    // One folder per volume written into during a move.
    QHash<quint64, QString> m_skrevneDrev;
    qint64 m_udfoerteFiler = 0;
    qint64 m_udfoerteBytes = 0;
    qint64 m_antalOptalt = 0;   // files found by the counting
    bool m_diskFuld = false;
    int m_sidsteFejl = 0;       // errno of the last file copy that failed
    QString m_sidsteMaal;       // the target of the last file copied

    QString m_oversigt;   // "Der kopieres 12 filer: 3,45 MB"

private:
    void visFilProcent(qint64 kopieret, qint64 total);
    QStringList m_ikkeAnkomne, m_samme, m_specielle;
    QList<sletning::Fejl> m_fejlInde;
    QSet<QPair<quint64, quint64>> m_brugteMaal;
    QStringList m_brugteNavne;
    bool m_destFolder = false;   // ConstDest folds letter case
    int m_filProcent = -1;
    DrevTest m_drevTest;
};
