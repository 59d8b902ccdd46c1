#pragma once

#include <QString>
#include <QWidget>

class QAction;
class QLineEdit;
class QToolButton;

// The path strip at the bottom of the main window: "Aktuelle element", the
// read-only field `EditSti` with the active explorer's current element, and
// the buttons that act on its text.
class TStistrimmel : public QWidget
{
    Q_OBJECT

public:
    explicit TStistrimmel(QWidget *parent = nullptr);

    QLineEdit *EditSti() const { return m_editSti; }
    QString sti() const;
    void setSti(const QString &sti);

    // The command buttons are bound to the window's commands.
    void bindKommandoer(QAction *aOpenStifinder, QAction *aPanelV);

    // What the clipboard buttons do with a path text, without touching the
    // clipboard: `kopi` is empty when nothing is to be copied.
    struct Udfald
    {
        QString kopi;
        QString besked;
    };
    static Udfald stiTilKlipbord(const QString &sti);
    static Udfald filnavnTilKlipbord(const QString &sti);

    // The folder aOpenStifinder opens for a path text: the folder itself, or
    // the folder of a file; empty when neither exists.
    static QString mappeAt(const QString &sti);

signals:
    void udskrivInfo(const QString &tekst);

private:
    void kopierSti();
    void kopierFilnavn();

    QLineEdit *m_editSti;
    QToolButton *m_klipbordStiKnap;
    QToolButton *m_klipbordStiFilKnap;
    QToolButton *m_infMappe;
    QToolButton *m_panelKnap;
};
