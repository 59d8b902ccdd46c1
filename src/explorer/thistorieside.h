#pragma once

#include <QWidget>

class Dialogs;
class QAction;
class QListView;
class TReopenFilerY;

// The page "Besøgte mapper": the list of folders visited in this run, with
// its nine commands. The window listens to the signals and does the
// showing; the page keeps whether the list changed since it was saved.
class THistorieside : public QWidget
{
    Q_OBJECT

public:
    THistorieside(TReopenFilerY *liste, Dialogs &dialogs, QWidget *parent = nullptr);

    QListView *listeboks() const { return m_listeboks; }
    QAction *kommando(const QString &navn) const;

    bool aendret() const { return m_aendret; }
    void markerAendret();
    void opdaterKommandoer();

signals:
    void visMappe(const QString &sti);
    void struktur(const QStringList &mapper, bool punkt);
    void hjaelp(const QString &side);
    void statuslinje(const QString &tekst);

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    void gem();
    void hent();
    void flyt(bool op);
    void sletValgte();
    void lavStruktur(bool punkt);

    TReopenFilerY *m_liste;
    Dialogs &m_dialogs;
    QListView *m_listeboks;
    bool m_aendret = false;
};
