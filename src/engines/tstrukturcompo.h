#pragma once

#include "engines/tfilmodel.h"
#include "engines/tmakestrukturer.h"

#include <QList>

#include <optional>

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

    // The file tree. A big folder is read while the window keeps painting;
    // the call returns with the listing shown either way.
    QString makeStruktur2(const QString &aDirectory);
    int makeStrukturFil(const QString &aExt);
    int fremvisFiltype(const QString &aExt);
    // True while a folder is being read for the file tree: a refresh a
    // timer starts must wait until it is done.
    bool lister() const { return m_lister > 0; }

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
    // Nothing when the engine was taken down while a big folder was read.
    std::optional<TFilModel::Liste> laes(const QString &dir, bool medSkjulte, bool kunFiltype, const QString &ext);

    bool MultiSelect = false;
    int m_lister = 0;          // listings under way, one inside another
    quint64 m_listeNr = 0;     // the newest listing asked for
    QString GemHentFilnavn;
};
