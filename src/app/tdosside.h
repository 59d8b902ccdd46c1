#pragma once

#include <QWidget>

#include <functional>

class Dialogs;
class QAction;
class QCheckBox;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QTabWidget;
class QToolButton;
class QUrl;
class TDosbibliotek;

// The "Dos" sub-page of the functions page: the console-command library
// with its two sub-pages "Dos kommandoer" (the list `dosBoxen`, the
// description `MemoDos` and the list commands) and "Indfør kommandoer"
// (the fields to write and save a command), and the buttons that open a
// console in the current folder.
class TDosside : public QWidget
{
    Q_OBJECT

public:
    struct Hovedvindue
    {
        std::function<QString()> editSti;              // the current element
        std::function<void(int kode)> fejl;            // the launcher's message for a result code
        std::function<bool(const QUrl &url)> aabnUrl;  // the desktop's web browser
    };

    TDosside(Dialogs &dialogs, const Hovedvindue &hoved, QWidget *parent = nullptr);

    TDosbibliotek *bibliotek() const { return m_bibliotek; }
    QTabWidget *undersider() const { return m_undersider; }
    QAction *kommando(const char *navn) const;

    // Once the data folder tree is known, and the first show.
    void saetMapper(const QString &dosMappe, const QString &optMappe);
    void hent();

    // The commands of both sub-pages.
    void aRediger();
    void sorter();
    void aSletAltDos();
    void aSletDos();
    void aDosOp();
    void aDosNed();
    void gemListe();
    void aInsertDos();
    void aNyDos();
    void googleUrlDos();
    void konsol();
    void powerShell();
    void aGoBoks();

    // The enable rules, evaluated now.
    void opdaterKommandoer();

private:
    QWidget *lavKommandoside();
    QWidget *lavIndfoerside();
    QAction *lavKommando(const char *navn, const QString &tekst, const QString &hint, const char *tema,
                         int reserve, void (TDosside::*handling)());
    void visBeskrivelse();
    void markerUaendret();

    Dialogs &m_dialogs;
    Hovedvindue m_hoved;
    TDosbibliotek *m_bibliotek;
    bool m_listeKanGemmes = true;   // the save-list button: enabled at start, then after moving or sorting
    QTabWidget *m_undersider = nullptr;
    QListView *m_dosBoxen = nullptr;
    QPlainTextEdit *m_memoDos = nullptr;
    QLineEdit *m_dosEdit = nullptr;
    QPlainTextEdit *m_dosMemo = nullptr;
    QCheckBox *m_dosCheck = nullptr;
};
