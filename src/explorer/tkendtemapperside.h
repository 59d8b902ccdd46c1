#pragma once

#include "engines/kendtemapper.h"
#include "platform/specialmapper.h"

#include <QWidget>

class Dialogs;
class QAction;
class QButtonGroup;
class QListWidget;

// Page 0 of the explorer's side book: buttons for the user's well-known
// folders, structures of them all, the choice of the tree a folder is
// shown in, and the shortcut panel over the fixed placement folder's
// shortcuts. The window listens to the signals and does the showing.
class TKendteMapperSide : public QWidget
{
    Q_OBJECT

public:
    TKendteMapperSide(Dialogs &dialogs, QWidget *parent = nullptr);

    // The folders the buttons open (the running user's unless a test sets them).
    void setSpecialMapper(const SpecialMapper &s) { m_special = s; }
    // The fixed placement folder; the shortcut panel shows only when it exists.
    void setPlaceringsMappe(const QString &mappe);
    QString placeringsMappe() const { return m_placering; }

    QButtonGroup *strukturVisning() const { return m_strukturVisning; }
    QAction *kommando(const QString &navn) const;
    QAction *mappeKommando(kendtemapper::Mappe m) const;
    QListWidget *genvejsliste() const { return m_genveje; }
    QWidget *genvejspanel() const { return m_genvejspanel; }

    // "Hent": the shortcuts of the fixed placement folder.
    void hentGenveje();
    void runGenvej();
    void openMappeStruktur(const QString &mappe);
    void opdaterKommandoer();

signals:
    // A known folder to show: in the file tree (`filstruktur`) or unfolded
    // in the folder tree.
    void visMappe(const QString &sti, bool filstruktur);
    void struktur(const QStringList &mapper, bool punkt);
    void hjaelp(const QString &side);
    void koerFil(const QString &sti);
    // "Vis": the fixed placement folder in the file tree.
    void visPlacering(const QString &sti);

protected:
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    QWidget *lavMappeknapper();
    QWidget *lavGenvejspanel();

    Dialogs &m_dialogs;
    SpecialMapper m_special;
    QString m_placering;
    QButtonGroup *m_strukturVisning = nullptr;
    QListWidget *m_genveje = nullptr;
    QWidget *m_genvejspanel = nullptr;
};
