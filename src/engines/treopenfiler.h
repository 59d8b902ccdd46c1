#pragma once

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <QList>
#include <QString>

class Dialogs;

// What the entries of a reopen list are: files (only existing files are
// inserted), folders, or anything (no existence checks).
enum TItemtype { itFil = 0, itBibliotek = 1, itAndet = 2 };

struct TReopenRec
{
    QString caption;
    QString sti;
};

// An ordered list of (caption, path) entries kept in an item file of two
// lines per entry, and shown line for line in a list box: the model is the
// list box's content and owns its selection. The two variants differ in
// where a new entry goes, whether there is a limit and whether a change is
// saved at once. Paths compare exactly: two paths that differ in letter case
// are two folders.
class TReopenFiler : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Rolle {
        StiRolle = Qt::UserRole + 10,
        // True for lists of folders or of anything, false for lists of files;
        // the rows are drawn in the list's colour.
        MappelisteRolle,
    };

    explicit TReopenFiler(Dialogs *dialogs, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void SetItemfile(const QString &fil) { FItemfile = fil; }
    void SetItemtype(TItemtype type) { FItemtype = type; }
    void SetFilantal(int antal) { FFilantal = antal; }
    QString itemfile() const { return FItemfile; }
    TItemtype itemtype() const { return FItemtype; }
    int filantal() const { return FFilantal; }

    // Replaces the entries by those of the item file; false when there is none.
    bool HentReopenFiler();
    // Writes the item file; false, after telling the user, when it could not
    // be written. A list without an item file is never saved.
    bool GemReopenFiler();

    // True when the entry went in. A caption or path holding a line break
    // would break the two-lines-per-entry file: it is refused with a message.
    virtual bool InsertItem(const QString &sti, const QString &caption) = 0;

    int antal() const { return int(m_poster.size()); }
    const QList<TReopenRec> &poster() const { return m_poster; }
    QString GetCaption(int index) const;
    QString GetFilnavn(int index) const;
    QStringList stier() const;

    bool flytOp(int index);
    bool flytNed(int index);
    void DeleteItem(int index);
    void DeleteItem(const QString &sti, bool Opdater);
    // Asks "Skal alle indførte elementer i listen slettes?"; true on "Ja".
    bool SletAlleItems();
    void DeleteAlleItems();
    void MakeListeMenu();

    QItemSelectionModel *valg() const { return m_valg; }
    int valgtLinje() const;
    void vaelgLinje(int linje);   // -1 selects nothing

    // A click or double click on the selected line: raises the list's event
    // with the entry, or tells the user that the element is gone. False when
    // nothing was raised.
    bool listeKlik();
    bool dblListeKlik();
    // Whether the element of a line exists, as the list's type sees it.
    bool findes(int linje) const;

signals:
    void onListeKlik(const QString &caption, const QString &sti);
    void onDblListeKlik(const QString &caption, const QString &sti);

protected:
    virtual bool gemVedAendring() const = 0;
    bool afvisLinjeskift(const QString &sti, const QString &caption) const;
    bool maaIndsaettes(const QString &sti) const;
    int findSti(const QString &sti) const;
    void gemHvisAendret();
    void inform(const QString &tekst) const;

    QList<TReopenRec> m_poster;
    QString FItemfile;
    TItemtype FItemtype = itBibliotek;
    int FFilantal = 24;

private:
    bool klik(bool dobbelt);

    Dialogs *m_dialogs;
    QItemSelectionModel *m_valg;
};
