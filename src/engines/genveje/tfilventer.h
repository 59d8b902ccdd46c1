#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

// Waits for a file that a started script is to write: looks once a tick
// (1000 ms) and gives up after a number of ticks. A file that already lay
// there when the wait began counts only once it has been written anew, so
// an old file is never taken for the script's result; without a started
// script (`nyFil` false) any file of the name counts.
class TFilventer : public QObject
{
    Q_OBJECT

public:
    explicit TFilventer(QObject *parent = nullptr);

    void setInterval(int ms) { m_timer.setInterval(ms); }
    void setMaksTik(int antal) { m_maksTik = antal; }

    // Starts waiting for `fil` (an empty name never comes); a wait already
    // running is given up.
    void vent(const QString &fil, bool nyFil);
    void stop();
    bool venter() const { return m_timer.isActive(); }
    int tikTal() const { return m_tik; }
    QString fil() const { return m_fil; }

    // One look; the timer calls it, tests may call it directly.
    void tik();

signals:
    void kom(const QString &fil);
    void udeblev();

private:
    bool erKommet() const;

    QTimer m_timer;
    QString m_fil;
    int m_tik = 0;
    int m_maksTik = 10;
    bool m_fandtesFoer = false;
    QDateTime m_foedt;
    QDateTime m_aendret;
};
