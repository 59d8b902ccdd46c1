#pragma once

#include "core/datamapper.h"

#include <QDate>
#include <QWidget>

#include <functional>

class Dialogs;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class TDatofinder;
class TDatoforskel;
class TKalendergruppe;

// "Kalender": a month calendar with one note per day and a date folder per
// day, the difference between two dates, and the Danish holiday dates of a
// year. Runs inside the frame or as a free window of fixed size that
// remembers its position in "kalender.txt".
class Tkalenderform : public QWidget
{
    Q_OBJECT

public:
    // What the window needs of the main window.
    struct Hovedvindue
    {
        std::function<QString()> editSti;                          // the current element
        std::function<void(const QString &mappe)> visKalMappe;     // shows a folder in an explorer
        // Shows the chain of folders as a level structure and `mappe` in an explorer.
        std::function<void(const QStringList &liste, const QString &mappe)> opretKalenderStruk;
        std::function<void(const QString &side)> infoHelp;         // opens a help page
        std::function<void(const QString &mappe)> kalenderMappeValgt;  // "Indsæt aktuelle" chose one
    };

    Tkalenderform(const DataMapper &mapper, Dialogs &dialogs, bool inde, const Hovedvindue &hoved,
                  QWidget *parent = nullptr);

    bool showInternt() const { return m_showInternt; }
    QString memoFilename() const { return m_memoFilename; }
    QString kalenderMappe() const { return m_kalenderMappe; }
    QString optFilnavn() const { return m_optFilnavn; }

    TKalendergruppe *kalender() const { return m_kalender; }
    TKalendergruppe *forskel1() const { return m_forskel1; }
    TKalendergruppe *forskel2() const { return m_forskel2; }
    TDatofinder *datofinder() const { return m_datofinder; }
    TDatoforskel *datoforskel() const { return m_datoforskel; }
    QPlainTextEdit *notat() const { return m_notat; }

    // The buttons of the window.
    void Gem();
    void Slet();
    void opretMappe();
    void indsaetAktuelle();
    void Beregn();

    // First activation and every activation; called by itself when it or
    // its frame becomes active.
    void FormActivate();

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private slots:

private:
    QWidget *bygKalenderside();
    QWidget *bygNotater();
    QWidget *bygForskelside();
    QWidget *bygKalendermappe();
    QWidget *bygBund();
    void placerEksternt();
    void gemPosition();

    void dagValgt(const QDate &dato);
    bool maaNotatForlades();
    void visNotat(const QDate &dato);
    void opdaterKnapper();
    void visResultat(const QString &aarMaanederDage, const QString &dageIalt);

    Dialogs &m_dialogs;
    Hovedvindue m_hoved;
    bool m_showInternt;
    bool m_opstart = true;
    QString m_kalenderMappe;
    QString m_notatMappe;
    QString m_optFilnavn;
    QString m_memoFilename;
    QDate m_notatDato;   // the day the note field belongs to

    TDatoforskel *m_datoforskel;
    QTabWidget *m_sider = nullptr;
    TKalendergruppe *m_kalender = nullptr;
    TKalendergruppe *m_forskel1 = nullptr;
    TKalendergruppe *m_forskel2 = nullptr;
    TDatofinder *m_datofinder = nullptr;
    QPlainTextEdit *m_notat = nullptr;
    QPushButton *m_slet = nullptr;
    QPushButton *m_gem = nullptr;
    QLineEdit *m_aarMaanederDage = nullptr;
    QLineEdit *m_dageIalt = nullptr;
    QLineEdit *m_kalenderMappeFelt = nullptr;
    QToolButton *m_infoKnap = nullptr;
};
