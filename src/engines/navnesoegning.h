#pragma once

#include "platform/traelaeser.h"

#include <QByteArray>
#include <QString>

// Finds folders and files by name below a start folder. The walk reads the
// tree once into memory and counts every entry (the progress maximum), then
// goes through the same tree again, depth first, examining each entry and
// registering those whose name holds the search text, until either the
// folders or the files found reach the maximum. Only A–Z fold to a–z; other
// letters (æ, ø, å, Æ …) must match as typed.
//
// The engine has no window: it reports through a Lytter, which the find
// page implements and which keeps the program alive while the walk runs.
class TNavnesoegning
{
public:
    struct Taellere
    {
        qint32 mapperTalt = 0;
        qint32 filerTalt = 0;
        qint32 mapperUndersoegt = 0;
        qint32 filerUndersoegt = 0;
        qint32 mapperFundet = 0;
        qint32 filerFundet = 0;
    };

    class Lytter
    {
    public:
        virtual ~Lytter() = default;
        virtual void status(const QString &tekst) = 0;
        virtual void setMaksimum(qint64 antal) = 0;
        virtual void setPosition(qint64 antal) = 0;
        // A found folder: caption is its name; a found file: its name.
        virtual void mappeFundet(const QString &sti, const QString &caption) = 0;
        virtual void filFundet(const QString &sti, const QString &caption) = 0;
        // Called a few times a second at most; false stops the search.
        virtual bool holdILive() = 0;
    };

    enum class Udfald { Faerdig, Stoppet, Fejl };

    explicit TNavnesoegning(int maksimum = 120);
    void setMaksimum(int maksimum) { m_maksimum = maksimum; }

    // Searches `mappe` for `tekst`; the counters hold what happened, also
    // when the search was stopped or failed partway.
    Udfald findElement(const QString &mappe, const QString &tekst, Lytter &lytter);

    const Taellere &taellere() const { return m_t; }
    // "Der er undersøgt 12:3 mappenavne", or empty when no folder was examined.
    QString mappeOverskrift() const;
    QString filOverskrift() const;
    // The progress in percent, rounded; empty before anything was counted.
    int procent() const;
    qint64 position() const { return m_position; }
    qint64 maksimum() const { return qint64(m_t.mapperTalt) + m_t.filerTalt; }
    // Memory the tree read by the first pass takes (it is freed after the search).
    std::size_t hukommelse() const { return m_hukommelse; }

    // The search text as compared: A–Z folded, as UTF-8 bytes.
    static QByteArray soegeBytes(const QString &tekst);
    static bool indeholder(const char *navn, std::size_t laengde, const QByteArray &soeg);

private:
    void taelAlle(const TraeLaeser &trae);
    bool soeg(const TraeLaeser &trae, quint32 mappe, QByteArray &sti, Lytter &lytter);
    bool naaetMaks() const;
    void meldProcent(Lytter &lytter);

    int m_maksimum;
    Taellere m_t;
    qint64 m_position = 0;
    QByteArray m_soeg;
    std::size_t m_hukommelse = 0;
};
