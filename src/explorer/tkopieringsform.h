#pragma once

#include "engines/bekraeftelse.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QSplitter;
class QToolButton;
class QWidget;

// "Kopiering/Flytning/Sletning": the confirmation of a copy, move or
// deletion, listing the files and folders side by side. Two small buttons
// widen or narrow it in steps. Its width and the width of the file list may
// be preset in "Spm_kopiering.txt" in the settings folder; the program only
// reads that file.
class Tkopieringsform : public QDialog, public Bekraeftelse
{
    Q_OBJECT

public:
    static constexpr int StandardBredde = 591;
    static constexpr int MinBredde = 415;
    static constexpr int MaksBredde = 1815;
    static constexpr int Trin = 140;
    static constexpr int StandardHoejde = 380;

    struct Maal
    {
        int bredde = StandardBredde;
        int filPanel = -1;   // -1: split evenly
    };

    // The sizes from the file when it holds two numbers, else the defaults.
    static Maal hentMaal(const QString &filnavn);
    static bool kanGoereStoerre(int bredde) { return bredde < 1675; }
    static bool kanGoereMindre(int bredde) { return bredde >= 416; }

    explicit Tkopieringsform(const QString &optMappe, QWidget *parent = nullptr);

    bool skalElementerKopieres(const QString &aDestDir, bool flytEle, const QStringList &filelist,
                               const QStringList &mappelist) override;
    bool skalElementerSlettes(const QStringList &Fliste, const QStringList &Mliste, bool tilPapirkurv) override;

    // Fills the window for one confirmation without showing it.
    void forbered(const Tekster &tekster, const QStringList &filer, const QStringList &mapper);

    // The folder list's panel width.
    int mappePanelBredde() const;
    int filPanelBredde() const;

    QLineEdit *const destEdit;
    QListWidget *const filListe;
    QListWidget *const mappeListe;
    QLabel *const spmLabel;
    QLabel *const billede;
    QToolButton *const stoerreKnap;
    QToolButton *const mindreKnap;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    bool spoerg();
    void skiftBredde(int aendring);
    void opdaterKnapper();

    QSplitter *m_deler;
    QWidget *m_filPanel;
    QWidget *m_mappePanel;
    int m_filPanelFraFil = -1;   // applied once the splitter has its real width
};
