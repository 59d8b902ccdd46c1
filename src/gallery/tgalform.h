#pragma once

#include "engines/galleri/billedfiler.h"
#include "engines/galleri/rammex.h"

#include <QHash>
#include <QWidget>

#include <functional>
#include <memory>

class Dialogs;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class TBibPan;
class TBilledIndlaeser;
class TProgressCompo;
class TRulskakt;

// "Billeder": the picture gallery. Shows every BMP, JPG and ICO picture of
// the main window's current folder as a thumbnail in a grid of V x L cells,
// pages through them with keys, mouse and scroll shaft, shows the name and
// size of the picture in focus and hands the picture or its folder to the
// explorer windows. Runs inside the frame or as a free window of fixed
// width that remembers its place in "Gallery.txt".
class TGalForm : public QWidget
{
    Q_OBJECT

public:
    // What the window needs of the main window.
    struct Hovedvindue
    {
        std::function<QString()> editSti;                      // the current element
        int *GBoxV = nullptr;                                  // the last grid, kept in the main settings
        int *GBoxL = nullptr;
        int *colIndex = nullptr;                               // the background colour
        std::function<void(const QString &)> UdskrivInfo;      // status line
        std::function<bool()> visHints;                        // pop-up hints wanted now
        std::function<void(const QString &, bool medDelete)> selectFromGal;
        std::function<void(const QString &)> RegisterEleFromGal;
        std::function<void(const QString &)> runFilname;       // open with its program
        std::function<void(const QString &side)> InfoHelp;
        QAction *aVisStifinder = nullptr;                      // the "Stifinder" button
    };

    // The formats of the three split buttons, caption → V x L; 0 x 0 is a
    // separator.
    struct Format
    {
        const char *tekst;
        int V;
        int L;
    };
    static QList<Format> formater(int knap);

    // `settingsfil` is used only outside the frame.
    TGalForm(Dialogs &dialogs, bool inde, const QString &settingsfil, const Hovedvindue &hoved,
             QWidget *parent = nullptr);
    ~TGalForm() override;

    bool showInternt() const { return m_showInternt; }
    int AntalV() const { return m_antalV; }
    int AntalL() const { return m_antalL; }
    QString picFilnavn() const { return m_picFilnavn; }
    TBibPan *gitter() const { return m_gitter; }
    TRulskakt *skakt() const { return m_skakt; }
    TProgressCompo *fremdrift() const { return m_fremdrift; }
    QAction *kommando(const QString &navn) const { return m_kommandoer.value(navn); }
    bool indlaeser() const { return m_indlaeser_koerer; }

    // Loads the pictures of the current folder into a V x L grid.
    void loadBilleder(int V, int L);
    void setBgFarve(int indeks);
    // The count buttons: `vandret` for V, else L; +1 or -1.
    void aendrAntal(bool vandret, int trin);
    // The info fields for a picture of the list; -1 empties them.
    void BibInfo(int billede);
    void opdaterKommandoer();

    // How many decoding threads a load uses (0: one per core).
    void setTraade(int traade);

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    class Fremdriftsled;

    QAction *nyKommando(const QString &navn, const QString &tekst, const QString &hint, QKeySequence tast);
    QWidget *bygVenstre();
    QWidget *bygMidte();
    QWidget *bygHoejre();
    static QIcon farveikon(const QColor &farve);
    QToolButton *formatknap(int knap);
    QWidget *antalLinje(const QString &tekst, bool vandret);
    void opsaetRammer();
    void FormActivate();
    void hentPosition();
    void gemPosition();
    void saetAntal(int V, int L);
    QString valgtMappe() const;
    void LoadListe(const QString &mappe);
    void klik(Qt::MouseButton knap, int billede);
    void sletBillede();
    void visMappe();
    // Work asked for while a load runs waits until the load has stopped.
    bool udsaetUnderIndlaesning(std::function<void()> arbejde);

    Dialogs &m_dialogs;
    Hovedvindue m_hoved;
    bool m_showInternt;
    QString m_optFilnavn;
    bool m_opstart = true;
    int m_antalV = 2;
    int m_antalL = 2;
    int m_colIndex = 0;
    QString m_picFilnavn;
    bool m_indlaeser_koerer = false;
    // Shared with a running load, which may outlive the window.
    std::shared_ptr<bool> m_stopIndlaesning = std::make_shared<bool>(false);
    bool m_lukEfterIndlaesning = false;
    bool m_lukket = false;
    std::function<void()> m_venter;
    std::shared_ptr<TBilledIndlaeser> m_indlaeser;

    TRammeFeltX m_celleRamme;
    TRammeGrundX m_skaktRamme;
    TRammeFeltX m_knapRamme;
    TRammeFeltX m_posRamme;

    QHash<QString, QAction *> m_kommandoer;
    TBibPan *m_gitter = nullptr;
    TRulskakt *m_skakt = nullptr;
    TProgressCompo *m_fremdrift = nullptr;
    QToolButton *m_farveknap = nullptr;
    QLineEdit *m_antalVFelt = nullptr;
    QLineEdit *m_antalLFelt = nullptr;
    QLabel *m_feltLinje = nullptr;
    QLineEdit *m_antalBilleder = nullptr;
    QLineEdit *m_filnavn = nullptr;
    QLineEdit *m_bredde = nullptr;
    QLineEdit *m_hoejde = nullptr;
    QLineEdit *m_mappe = nullptr;
    QToolButton *m_infoKnap = nullptr;
    QHash<QObject *, QString> m_statustekster;
};
