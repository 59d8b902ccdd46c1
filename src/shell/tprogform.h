#pragma once

#include <QHash>
#include <QWidget>

#include <functional>

class Dialogs;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;
class TMenuExeFiler;

// "Programmer": registering, removing and reordering the programs of the
// program list. Runs inside the frame (a plain widget the frame hosts) or
// as a free window of fixed size that remembers its position in
// "Programmer.txt".
class TProgform : public QWidget
{
    Q_OBJECT

public:
    // What the window needs of the main window.
    struct Hovedvindue
    {
        std::function<QString()> editSti;                   // the current element
        QAction *aVisStifinder = nullptr;                   // "Stifinder" button
        std::function<void(const QString &side)> infoHelp;  // opens a help page
    };

    // The state the enable rules read.
    struct Tilstand
    {
        bool filnavn = false;        // filEdit has text
        bool menutekst = false;      // CapEdit has text
        int antalProgrammer = 0;     // records in the program list
        int antalRaekker = 0;        // rows in the window's list
        int valgtRaekke = -1;
        int SletNr = -1;
        bool listeForandret = false;
        bool spoerger = false;       // the removal question is shown
    };
    static bool aktiv(const QString &kommando, const Tilstand &t);

    TProgform(TMenuExeFiler &menuExe, Dialogs &dialogs, bool inde, const QString &optMappe,
              const Hovedvindue &hoved, QWidget *parent = nullptr);
    ~TProgform() override;

    bool showInternt() const { return m_showInternt; }
    bool listeForandret() const { return m_listeForandret; }
    int SletNr() const { return m_SletNr; }
    QAction *kommando(const QString &navn) const { return m_kommandoer.value(navn); }

    // Where the well-known programs are looked for ("/" unless a test says
    // otherwise).
    void setKendtRod(const QString &rod) { m_kendtRod = rod; }
    // "Check for programmer".
    void checkForProgrammer();

    // Whether a file can be registered as a program: an executable program
    // file, or a desktop entry that starts an application.
    static bool erProgram(const QString &sti);

    void opdaterKommandoer();

signals:
    // Show the programs page of the main window's left panel.
    void visProgramside();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    QAction *nyKommando(const QString &navn, const QString &tekst, const QString &hint, const QString &ikon,
                        int standardikon);
    QWidget *bygVenstre();
    QWidget *bygHoejre();
    QWidget *bygKendte();
    Tilstand tilstand() const;

    void aExeFile();
    void aInsertProgram();
    void visProgrammer();
    void flyt(bool op);
    void AGem();
    void ADelprog();
    void svar(bool ja);
    void raekkeValgt();
    void indfoerKendt(QPushButton *knap);
    void fyldListe(int vaelg = -1);
    void tomFelter();
    void saetInfoLabel();
    void gemPosition();

    TMenuExeFiler &m_menuExe;
    Dialogs &m_dialogs;
    Hovedvindue m_hoved;
    bool m_showInternt;
    bool m_opstart = true;
    bool m_listeForandret = false;
    int m_SletNr = -1;
    QString m_optFilnavn;
    QString m_kendtRod = QStringLiteral("/");
    bool m_lukket = false;

    QHash<QString, QAction *> m_kommandoer;
    QLabel *m_progInfLabel = nullptr;
    QTreeWidget *m_programListe = nullptr;
    QLineEdit *m_fileText = nullptr;
    QPushButton *m_delKnap = nullptr;
    QLabel *m_spmLabel = nullptr;
    QPushButton *m_ja = nullptr;
    QPushButton *m_nej = nullptr;
    QPushButton *m_exeKnap = nullptr;
    QLineEdit *m_filEdit = nullptr;
    QLabel *m_ikon = nullptr;
    QLineEdit *m_capEdit = nullptr;
    QCheckBox *m_maxTekstCheck = nullptr;
    QLabel *m_addText = nullptr;
    QLineEdit *m_placeringEdit = nullptr;
    QToolButton *m_infoKnap = nullptr;
    QList<QPushButton *> m_kendteKnapper;
};
