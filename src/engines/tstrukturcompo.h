#pragma once

#include "engines/filsortering.h"
#include "engines/tmakestrukturer.h"

#include <QList>

class QAction;

// The tree engine of one explorer window: the folder tree (from its base
// classes), the file tree listing one folder, every question about what is
// selected in either tree, the saved folder structure and the drive menu.
// `AktiveStruktur` (the folder tree or the file tree) says which tree a query
// looks at; the window sets it before asking.
class TStrukturCompo : public TMakeStrukturer
{
    Q_OBJECT

public:
    using TMakeStrukturer::TMakeStrukturer;

    void setMultiSelect(bool multi) { MultiSelect = multi; }
    void setGemHentFilnavn(const QString &navn) { GemHentFilnavn = navn; }

    // The file tree.
    QString makeStruktur2(const QString &aDirectory);
    int makeStrukturFil(const QString &aExt);
    int fremvisFiltype(const QString &aExt);
    // The window's order of the file tree: every listing follows it, and
    // changing it sorts the listed rows again, selection kept.
    void setSortering(Sortering s);
    Sortering sortering() const { return m_sortering; }

    // Selection queries. Node arguments are what the window's hit test found
    // under the mouse (an invalid index or -1 for none).
    QString getDirectory();
    QString getFileDirectory(bool FjernSelect);
    QString getFocusDirectory(const QModelIndex &node);
    QString getFocusFilDirectory(int raekke);
    QString udfoldFileDirectory() const;
    int getNodeId() const;
    QString getSelectedMedSti();
    QString getSelected();
    int loadLister(QStringList &mapper, QStringList &filer);
    int getSelectListe(QStringList &liste) const;
    QString SelectFil(const QString &fName);
    void SelectMapperFiler(int actionNumber);
    void deselectMapper();
    QString makeParamString() const;
    // The same files as separate paths, for starting a program without
    // joining names into one command line.
    QStringList getParamListe() const;

    // The saved folder structure.
    bool GemStrukturen();
    bool HentStrukturen(int fremstillingsNo);

    // The drive menu: one action per drive row, owned by `ejer`, with the
    // drive in data() and the image index in the property "billede".
    QList<QAction *> makeDrevMenu(QObject *ejer);
    void drevKlik(QAction *item);

private:
    QString valgtElement(bool kunNavn);

    bool MultiSelect = false;
    Sortering m_sortering;
    QString GemHentFilnavn;
};
