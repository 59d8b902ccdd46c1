#pragma once

#include "engines/tekstsoegning/filtyper.h"

#include <QHash>
#include <QWidget>

#include <functional>

class Dialogs;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeView;
class QTreeWidget;
class TFundModel;

// "Find tekst": every occurrence of a text in the documents of one folder
// that have one chosen file type, with the user's type list on the page
// "Filtre". Runs inside the frame or as a free window that remembers its
// place, size and filter in "Findoptions.txt".
class Tfindform : public QWidget
{
    Q_OBJECT

public:
    // What the window needs of the main window.
    struct Hovedvindue
    {
        std::function<QString()> editSti;                         // the current element
        std::function<QString()> exeProgram;                      // the active program; empty for none
        // "edit" or "open" without a message; the shell's result code.
        std::function<int(const QString &fil, bool rediger)> aabnFil;
        std::function<void(int kode)> fejl;                       // the message of a result code
        std::function<void(const QString &program, const QStringList &filer)> aabnMedProgram;
        std::function<void(const QString &fil)> visIStifinder;    // "Find"
        std::function<void(const QString &side)> infoHelp;
        QAction *aVisStifinder = nullptr;
    };

    Tfindform(Dialogs &dialogs, bool inde, const QString &optMappe, const Hovedvindue &hoved,
              QWidget *parent = nullptr);
    ~Tfindform() override;

    enum Side { SideSoeg = 0, SideFiltre = 1 };

    // Selects the checked entry with this pattern in the filter box; false
    // (and the box left alone) when there is none.
    bool ErExtListet(const QString &moenster);
    void visSide(Side side);

    // The search folder (with its trailing "/").
    QString Mappe() const { return m_mappe; }
    void setMappe(const QString &mappe);
    // Takes the folder from the main window's current element, as on
    // every activation.
    void hentMappeFraHovedvindue();
    // "Find i bibliotek".
    void FindSD();
    void stopSoegning() { m_stop = true; }
    bool soeger() const { return m_soeger; }
    // "Vælg fil fra disk" once a file is chosen.
    void filValgt(const QString &fil);

    QAction *kommando(const QString &navn) const { return m_kommandoer.value(navn); }
    TFundModel *fund() const { return m_fund; }
    QTreeView *resultatliste() const { return m_liste; }
    QComboBox *filterboks() const { return m_filterboks; }
    QComboBox *soegeboks() const { return m_soegeboks; }
    QTreeWidget *typeliste() const { return m_typeliste; }
    QTabWidget *bog() const { return m_bog; }
    QCheckBox *heleOrd() const { return m_heleOrd; }
    QCheckBox *storeSmaa() const { return m_storeSmaa; }
    QLineEdit *tekstFelt() const { return m_tekstFelt; }
    QLineEdit *typeFelt() const { return m_typeFelt; }
    QString fundneTekst() const;
    QList<Filtype> typer() const;
    void opdaterKommandoer();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    QAction *nyKommando(const QString &navn, const QString &tekst, const QString &hint);
    QWidget *bygSoegeside();
    QWidget *bygFiltreside();
    QWidget *bygKnapper();
    void HentOpt();
    void gemOpt();
    void HentTypeliste();
    void LoadTypeliste(const QList<Filtype> &liste);
    void LoadFilterBoks(int vaelg);
    QList<int> valgteRaekker() const;
    QString valgtDokument() const;
    void aabn(bool rediger);
    void aabnAlle();
    void rydListen();
    void fjernValgte();
    void flyt(bool op);
    void indfoerType();
    void standardListe();
    void sletValgte();
    void gemListe();
    void visAntal(int ulaeselige = 0, int forStore = 0, bool stoppet = false);
    void vaelgFil();

    Dialogs &m_dialogs;
    Hovedvindue m_hoved;
    bool m_showInternt;
    bool m_opstart = true;
    bool m_foersteVisning = true;
    QString m_optFilnavn;
    QString m_typelistenavn;
    QString m_mappe;
    int m_filterItemIndex = 0;
    bool m_soeger = false;
    bool m_stop = false;
    bool m_lukEfterSoegning = false;

    QHash<QString, QAction *> m_kommandoer;
    QLineEdit *m_mappeFelt = nullptr;
    QTabWidget *m_bog = nullptr;
    QComboBox *m_filterboks = nullptr;
    QComboBox *m_soegeboks = nullptr;
    QTreeView *m_liste = nullptr;
    TFundModel *m_fund = nullptr;
    QLabel *m_antal = nullptr;
    QLabel *m_note = nullptr;
    QCheckBox *m_heleOrd = nullptr;
    QCheckBox *m_storeSmaa = nullptr;
    QPushButton *m_stopKnap = nullptr;
    QToolButton *m_infoKnap = nullptr;
    QTreeWidget *m_typeliste = nullptr;
    QLineEdit *m_tekstFelt = nullptr;
    QLineEdit *m_typeFelt = nullptr;
};
