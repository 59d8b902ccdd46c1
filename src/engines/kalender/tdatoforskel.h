#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class Dialogs;

// The difference between two dates, computed by the shipped script
// "datediff.sh": it is given the result file and the two dates (day-month-
// year) and writes four lines, years, months, days and days in all. The
// window is told the result texts when the file appears; it is looked for
// once a second, for at most 30 seconds.
class TDatoforskel : public QObject
{
    Q_OBJECT

public:
    TDatoforskel(Dialogs &dialogs, const QString &scriptDir, const QString &optMappe, QObject *parent = nullptr);

    QString script() const { return m_script; }
    QString resultatfil() const { return m_resultatfil; }

    // How often the result file is looked for, and for how long.
    void setInterval(int ms) { m_timer.setInterval(ms); }
    void setMaksVentetid(int ms) { m_maksVentetid = ms; }
    bool venter() const { return m_timer.isActive(); }

    // Starts a computation; one still waiting is given up. The result file
    // of an earlier computation is removed first, so what appears is always
    // this one's. True when the script was started.
    bool Beregn(const QString &dato1, const QString &dato2);

signals:
    // "0 år, 1 måned samt 1 dag." and "32 dage ialt.".
    void beregnet(const QString &aarMaanederDage, const QString &dageIalt);

private:
    void tik();
    void laesResultat();
    bool fjernGammeltResultat();

    Dialogs &m_dialogs;
    QString m_script;
    QString m_resultatfil;
    QTimer m_timer;
    int m_maksVentetid = 30000;
    int m_ventet = 0;
};
