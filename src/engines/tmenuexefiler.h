#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class Dialogs;
class TStarter;

// One registered program.
struct ProgramRec
{
    QString caption;
    QString sti;       // full path of the program file
    QString opstart;   // kept with the program; nothing reads it
    quint8 ShowType = 1;   // 1 normal window, 3 maximised
};

// The list of registered programs ("ProgItem.txt") and the active program.
// Menus and the programs box draw themselves from it and follow
// `listeAendret`; the main window mirrors `exeProgram` and shows the
// caption from `infoProg`.
//
// The file: line 0 the number of records, then four lines per record:
// caption, program path, start text, ShowType (0–255).
class TMenuExeFiler : public QObject
{
    Q_OBJECT

public:
    TMenuExeFiler(const QString &itemfile, TStarter &starter, Dialogs &dialogs, QObject *parent = nullptr);

    // Asked for the files to hand to a program started from the list: the
    // selected files of the active explorer, or the current element, or
    // nothing (see `parametre`). Unset: programs start without files.
    std::function<QStringList()> OnParam;

    // The rule for those files: an active explorer gives its selected files,
    // otherwise the current element if there is one.
    static QStringList parametre(bool stifinderAktiv, const QStringList &valgteFiler, const QString &editSti);

    void SetItemfile(const QString &itemfile) { m_itemfile = itemfile; }
    QString itemfile() const { return m_itemfile; }

    // Reads the file. A missing file gives an empty list; a damaged one
    // (short, not a number where one belongs, a count beyond the records)
    // gives an empty list too, and is moved aside so it is never
    // overwritten: the user is told where it went.
    void HentProgrammer();
    // Writes the records whose program file exists. False (and a message)
    // when the file could not be written.
    bool GemProgrammer();

    void InsertItem(const QString &FNavn, const QString &MenuCaption, const QString &ProgOpstart, quint8 ShowType);
    void DeleteItem(int MenuNr);
    bool flytOp(int aIndex);
    bool flytNed(int aIndex);

    int antal() const { return int(m_prog.size()); }   // FFilantal
    const QList<ProgramRec> &Prog() const { return m_prog; }
    QString GetCaption(int MenuNr) const;
    QString GetFilnavn(int MenuNr) const;
    QIcon ikon(int nr) const;
    // The index of the record with this program path; -1. Paths compare
    // exactly: two files whose names differ in case are two programs.
    int findProgram(const QString &sti) const;

    // The program whose menu item was clicked last.
    void setAktuelleProgram(const QString &path) { m_aktuelleProgram = path; }
    QString aktuelleProgram() const { return m_aktuelleProgram; }
    QString getAktuelleCaption() const;

    // The main window's active program (saved as line 10 of its settings).
    QString exeProgram() const { return m_exeProgram; }
    void setExeProgram(const QString &sti);

    // A click on a menu item of record `nr`: start it with the files, or,
    // when its program file is gone, say so and remove it from the list.
    void klik(int nr);
    // A click on an entry of the programs box: it becomes the active program.
    void vaelgProgram(int nr);
    // A double click on an entry of the programs box: start it with the files.
    void startProgram(int nr);
    // Starts the active program with the files (OpenTheEle).
    void OpenTheEle();
    // Makes the clicked program the active one and starts it with the files.
    void MenuExeParam();
    // No active program any more.
    void rydAktivtProgram();
    // At start-up: the saved program becomes the active one again.
    void visGemtProgram(const QString &sti);

    // The 16/32-pixel icon of a program file; a blank picture when none.
    static QIcon GetIcon(const QString &FNavn);

signals:
    // The records changed: menus and boxes rebuild.
    void listeAendret();
    // The caption of the active program to show (InfoProg).
    void infoProg(const QString &caption);
    void exeProgramSkiftet(const QString &sti);

private:
    void beskadiget(const QString &grund);
    QStringList hentedeParametre() const;
    static QString enLinje(const QString &tekst);

    QString m_itemfile;
    TStarter &m_starter;
    Dialogs &m_dialogs;
    QList<ProgramRec> m_prog;
    QList<QIcon> m_ikoner;   // one per record, same order
    QString m_aktuelleProgram;
    QString m_aktuelleCaption;
    QString m_exeProgram;
    bool m_gemSpaerret = false;   // a damaged file could not be moved aside
};
