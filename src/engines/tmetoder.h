#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QStringList>

#include "engines/stoerrelsesberegning.h"

class Dialogs;
class Kopilister;
class TStrukturCompo;

// The base of an explorer window's operations object: it owns the window's
// tree engine and holds the small rules every file engine shares — size
// texts, free names for copies and new elements, file pictures — and the
// size and count of the copy lists.
class TMetoder : public QObject
{
    Q_OBJECT

public:
    explicit TMetoder(Dialogs *dialogs, QObject *ejer = nullptr);
    ~TMetoder() override;

    static QString delimKon(const QString &sti);
    static QString getLastDirectory(const QString &sti);
    // "1,50 MB (1.572.864 bytes)"; kortStoerrelse gives the part before the blank.
    static QString getSizeString(qint64 n);
    static QString kortStoerrelse(qint64 n);
    QString totalS() const;
    static int getFilensImageIndex(const QString &navn);
    // At least 1; -1 when the file cannot be found.
    static qint64 getFilensSize(const QString &sti);
    static QString getNewDirectoryName(const QString &aName, const QString &konstantS);
    QString getNewFilename(const QString &oldFilename, const QString &newName, const QString &suffix);
    static QString getNewFilnavn(const QString &aFilnavn, const QString &konstantS);

    bool getMappeInfo(const QString &mappe);
    // -1 when a folder could not be opened or a file has vanished.
    qint64 sizeOfKlipbord();
    // Starts the size computation of the copy lists in the background and
    // returns at once; the copy-lists window shows the result when it is done.
    QString getSizeOfKlipbord();
    bool beregnerKlipbord() const { return m_watcher.isRunning(); }

    void setKlipbord(Kopilister *klipbord) { Klipbord = klipbord; }
    void setStrukturY(TStrukturCompo *struktur);
    void setBoolVisKlipbord(bool vis) { BoolVisKlipbord = vis; }
    void setFlytElementer(bool flyt) { FlytElementer = flyt; }

    TStrukturCompo *StrukturY = nullptr;
    Kopilister *Klipbord = nullptr;
    bool BoolVisKlipbord = false;
    bool FlytElementer = false;
    QStringList listeMapper, listeFiler;
    QStringList deleteMapper, deleteFiler;
    qint64 antalFiler = 0;
    qint64 antalMapper = 0;
    qint64 totalSize = 0;

signals:
    // The background computation has shown its result (or its failure).
    void klipbordBeregnet();

private:
    void visKlipbordResultat();
    void overtag(const stoerrelsesberegning::Resultat &r);

    Dialogs *m_dialogs;
    QFutureWatcher<stoerrelsesberegning::Resultat> m_watcher;
};
