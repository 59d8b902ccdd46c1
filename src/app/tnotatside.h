#pragma once

#include "engines/notater.h"

#include <QUrl>
#include <QWidget>

#include <functional>

class Dialogs;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// Page 3 of the left panel: a small note book. Each note is a text file of
// the notes folder named by its title; the page lists them, loads one into
// the editor and saves it, asking before a save would overwrite another
// note or a change would be lost.
class TNotatside : public QWidget
{
    Q_OBJECT

public:
    struct Ramme
    {
        Dialogs *dialogs = nullptr;
        std::function<void(const QUrl &)> aabnAdresse;       // a web search
        std::function<void(const QString &fil)> visNotatmappe;   // the selected note's file, or empty
    };

    explicit TNotatside(Ramme ramme, QWidget *parent = nullptr);

    // The notes folder, ending in "/"; known once the data folder tree is.
    void setMappe(const QString &notatMappe) { m_notater = TNotater(notatMappe); }

    // Fills the list from the notes folder.
    void hentNotater();

    // True once a title has been typed since the last save or load: a save
    // then asks before it overwrites a note of that title.
    bool nytNotatNavn() const { return m_nytNotatNavn; }

    QAction *kommando(const QString &navn) const;

    // The enable rules, evaluated now.
    void opdaterKommandoer();

protected:
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    QAction *lavKommando(const char *navn, const QString &tekst, const QString &hintTekst,
                         const QKeySequence &tast = {});
    void lavMemoMenu();
    bool aendret() const;
    void gemNotat();
    void hentNotat();
    void nytNotat();
    void visMappe();
    void tilfoejRaekke(const TNotater::Notat &notat);

    Ramme m_ramme;
    TNotater m_notater;
    bool m_nytNotatNavn = false;
    QLineEdit *m_notatEdit;
    QLabel *m_listeLabel;
    QListWidget *m_notatBox;
    QPlainTextEdit *m_notatMemo;
};
