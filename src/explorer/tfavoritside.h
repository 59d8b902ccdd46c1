#pragma once

#include <QTabWidget>

#include <functional>

class Dialogs;
class QAction;
class QLineEdit;
class QListView;
class TReopenFilerX;

// The favourites page: the sub-pages "Mapper" and "Filer", each with its
// list, its commands and a field for renaming an entry's caption. The
// window listens to the signals and does the showing and opening.
class TFavoritside : public QTabWidget
{
    Q_OBJECT

public:
    TFavoritside(TReopenFilerX *mapper, TReopenFilerX *filer, Dialogs &dialogs, QWidget *parent = nullptr);

    QAction *kommando(const QString &navn) const;
    QListView *mappeliste() const { return m_mapper.boks; }
    QListView *filliste() const { return m_filer.boks; }
    QLineEdit *mappeFelt() const { return m_mapper.felt; }
    QLineEdit *filFelt() const { return m_filer.felt; }

    // Whether the frame has a program chosen for "Program".
    std::function<bool()> harAktivtProgram;
    // Puts an element into the copy lists; without it the two copy
    // commands stay disabled.
    std::function<void(const QString &sti, bool erMappe)> kopierElement;

    void opdaterKommandoer();

signals:
    void visMappe(const QString &sti);
    void visFil(const QString &sti);
    void struktur(const QStringList &mapper, bool punkt);
    void hjaelp(const QString &side);
    void statuslinje(const QString &tekst);
    void aabnFil(const QString &sti, int maade);
    void aabnMedProgram(const QString &sti);
    void kopieret();

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    struct Underside
    {
        TReopenFilerX *liste = nullptr;
        QListView *boks = nullptr;
        QLineEdit *felt = nullptr;
        bool filer = false;
        QStringList navne;   // info, vis, op, ned, slet, slet alle, punkt, niveau, kopier, omdøb
    };

    QWidget *lavUnderside(Underside &u);
    void forbind(Underside &u);
    void opdater(const Underside &u);
    void flyt(Underside &u, bool op);
    void sletValgte(Underside &u);
    void lavStruktur(const Underside &u, bool punkt);
    void kopier(const Underside &u);
    void omdoeb(Underside &u);
    void vis(const Underside &u);
    QString valgtSti(const Underside &u) const;

    Dialogs &m_dialogs;
    Underside m_mapper;
    Underside m_filer;
};
