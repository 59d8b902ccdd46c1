#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class Dialogs;

// The system information workflow: shipped scripts list the classes and
// write, for one class, a small program that prints its data as text or
// writes it as a web page. Everything written goes to the user's WMI folder,
// never to the shipped one. A written program is waited for (a look each
// second); the text one is then run in a terminal that stays open, the web
// one is run and the page it writes opened in the browser, and the folder
// is shown.
class TWmi : public QObject
{
    Q_OBJECT

public:
    // `wmidir`: the shipped scripts; `wmiMappe`: the user's output folder,
    // created (without parents) when missing.
    TWmi(Dialogs &dialogs, const QString &wmidir, const QString &wmiMappe, QObject *parent = nullptr);

    QString wmiFile() const { return m_wmidir + QStringLiteral("/_wmiClasses.sh"); }
    QString udskrivFile() const { return m_wmidir + QStringLiteral("/_udskrivKode.sh"); }
    QString udskrivFileHTML() const { return m_wmidir + QStringLiteral("/_udskrivKodeHTML.sh"); }
    QString wmiMappe() const { return m_wmiMappe; }
    QString classFile() const { return m_wmiMappe + QStringLiteral("/classes.txt"); }
    // The program file or page being waited for; empty when none.
    QString venterPaa() const { return m_venterPaa; }

    static QString foersteEmne() { return QStringLiteral("Vælg en wmi class"); }

    bool namespaceDone() const { return m_namespaceDone; }
    bool wmiDone() const { return m_wmiDone; }

    // "Hent classes": once per window. The class list file is written anew.
    bool hentClasses();
    // "Indlæs classes": the classes with "Vælg en wmi class" first; empty
    // when the file is not there.
    QStringList indlaesClasses();
    // "Skriv scriptet" (html false) and "Skriv HTML": the program file of
    // the class is removed, written anew by its script and waited for.
    bool skrivProgram(const QString &klasse, bool html);

    // The enable rules.
    bool kanIndlaese() const;
    bool kanSkrive(const QString &klasse, bool html) const;

    void setInterval(int ms) { m_timer.setInterval(ms); }
    void stop() { m_timer.stop(); }

    // How a program is run and a page and the folder are shown; the window
    // sets them (tests record them).
    std::function<int(const QString &program)> koerTekstprogram;
    std::function<int(const QString &program)> koerHtmlprogram;
    std::function<int(const QString &side)> aabnSide;
    std::function<void(const QString &mappe)> visMappe;

signals:
    // The class list file has appeared.
    void klasserKlar();
    // The program (or, for HTML, the page) has been run or opened.
    void programKoert(const QString &fil);

private:
    void tik();
    bool fjern(const QString &fil);
    void fejl(int kode);

    Dialogs &m_dialogs;
    QString m_wmidir;
    QString m_wmiMappe;
    QTimer m_timer;
    bool m_namespaceDone = false;
    bool m_wmiDone = false;
    QString m_venterPaa;
    QString m_side;   // the page the web program writes
};
