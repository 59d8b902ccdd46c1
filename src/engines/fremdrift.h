#pragma once

#include <QElapsedTimer>
#include <QString>

// What a long operation writes into its progress window while it runs on
// the user-interface thread: texts, the folders it works through, a
// percentage, the remaining count and a bar. The engine calls holdILive()
// at every point where the user must be able to reach the program; pending
// events are then processed, but at most once per interval, so a loop over
// many small files does not spend its time repainting. The window's "Stop"
// button sets the cancel flag through stop(); showing the window clears it.
class Fremdrift
{
public:
    static constexpr int StandardInterval = 40;   // milliseconds

    virtual ~Fremdrift() = default;

    // Shows the window without blocking and lets it paint. The cancel flag
    // is cleared: every operation starts un-stopped.
    void vis();
    virtual void luk() = 0;

    // "Stop": the operation ends at its next check. Only vis() clears it.
    void stop() { m_stoppet = true; }
    bool stoppet() const { return m_stoppet; }

    // Processes pending events when the interval has passed since the last
    // time (always with tving); false once "Stop" was pressed.
    bool holdILive(bool tving = false);
    void setInterval(int millisekunder) { m_interval = millisekunder; }

    // Empties the window for a deletion of `antalMapper` folders (and
    // files): "Følgende N mapper slettes:" over an empty folder list, the
    // bar at 0, `destination` as the destination text.
    void forberedSletning(const QString &destination, qint64 antalMapper);

    virtual void setInformation(const QString &tekst) = 0;
    virtual void setDestination(const QString &tekst) = 0;
    virtual void setMappeOverskrift(const QString &tekst) = 0;
    // The list of folders the operation works through; a finished folder
    // is ticked.
    virtual void rydMapper() = 0;
    virtual void tilfoejMappe(const QString &sti) = 0;
    virtual void markerMappe(int raekke) = 0;
    // Shown as "37%".
    virtual void setProcent(int procent) = 0;
    virtual void setResterende(const QString &tekst) = 0;
    // The overall bar, 0 to 100.
    virtual void setBar(int procent) = 0;

protected:
    virtual void visVindue() = 0;
    virtual void behandlHaendelser();
    // For a window shown by other means than vis().
    void nulstilStop() { m_stoppet = false; }

private:
    bool m_stoppet = false;
    int m_interval = StandardInterval;
    QElapsedTimer m_ur;
};
