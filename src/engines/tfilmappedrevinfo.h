#pragma once

#include "platform/mappetotal.h"

#include <QDateTime>
#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>

class Dialogs;

// What the properties window shows of a file, a folder or a drive, as the
// texts it shows them in. No widgets here: the window asks, the engine
// answers, and the folder total runs in the background while the window
// stays alive to show it grow.
class TFilMappeDrevInfo : public QObject
{
    Q_OBJECT

public:
    struct Fil
    {
        QString sti, navn, placering, filtype, stoerrelse, oprettet, aendret, aabnet;
        bool skrivebeskyttet = false;
        bool skjult = false;
    };
    struct Mappe
    {
        QString sti, navn, placering, oprettet;
    };
    struct Drev
    {
        QString mappe, disknavn, type, filsystem, ledig, anvendt, kapasitet;
        int procent = 100;   // the used share; a full bar when the capacity is unknown
    };

    explicit TFilMappeDrevInfo(Dialogs *dialogs, QObject *ejer = nullptr);
    ~TFilMappeDrevInfo() override;

    // "Tekstfil: " for "txt"; empty for extensions without a description.
    static QString getFilType(const QString &ext);
    // "Tekstfil: TXT-fil (.txt)"; a name without an extension is "Fil".
    static QString filtypeTekst(const QString &navn);
    // "Lokal disk" and the like for a drive type of platform/drev.h.
    static QString getDrevTypeString(int type);
    // Date and time in the Danish format: "24.12.2025 18:05:09".
    static QString datoTid(const QDateTime &t);
    // "1.500 filer, 9 mapper"
    static QString indholdTekst(qint64 filer, qint64 mapper);
    // What the total passed over, as one Danish sentence; empty when nothing.
    static QString oversprungetTekst(const mappetotal::Resultat &r);

    // The values of each page; false (with the reason told) when the
    // element cannot be shown.
    bool filInfo(const QString &sti, Fil &ud);
    bool mappeInfo(const QString &sti, Mappe &ud);
    bool drevInfo(const QString &mappe, Drev &ud);

    // Starts totalling `sti` (a running total is stopped first). The texts
    // grow through totalAendret a few times a second; totalFaerdig ends it.
    void startTotal(const QString &sti);
    void stopTotal();
    bool totallerer() const { return m_watcher.isRunning(); }
    // The total's texts for running figures.
    static QString stoerrelsesTekst(qint64 bytes);

    // "Anvend": read-only by the permission bits, hidden by the leading dot
    // of the name (so the file is renamed, never over another element).
    // The file's path afterwards (the new name when it was renamed); empty
    // when the file is gone. Failures are told through Dialogs.
    QString anvendAttributter(const QString &sti, bool skrivebeskyttet, bool skjult);

signals:
    void totalAendret(const QString &stoerrelse, const QString &indhold);
    void totalFaerdig(const QString &stoerrelse, const QString &indhold, const QString &oversprunget);

private:
    void visFremdrift();
    void faerdig();

    Dialogs *m_dialogs;
    struct Koersel
    {
        std::atomic<bool> stop{false};
        mappetotal::Fremdrift fremdrift;
    };
    std::shared_ptr<Koersel> m_koersel;
    QFutureWatcher<mappetotal::Resultat> m_watcher;
    QTimer m_ur;
};
