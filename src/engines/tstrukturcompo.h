#pragma once

#include "engines/tfilmodel.h"
#include "engines/filsortering.h"
#include "engines/tmakestrukturer.h"

#include <QList>

#include <functional>
#include <optional>

class QAction;
class QTimer;
class TMappeVagt;

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

    // Following the disk: the listed folder and the open folders of the
    // folder tree are watched, and what changes in them is shown without
    // the user asking, the selection and the open folders kept.
    void setFoelgDisken(bool foelg);
    TMappeVagt *vagt() const { return m_vagt; }
    // The window says whether the trees may change under the user now (not
    // while a name is being edited in place); when not, the change waits.
    void setMaaOpdatere(std::function<bool()> maa) { m_maaOpdatere = std::move(maa); }
    // Shows again what changed in these folders.
    void opdaterFraDisk(const QStringList &mapper);

signals:
    // Around an update from the disk, so the window keeps its scroll
    // position; `sammeMappe` is false when the file tree's folder was gone
    // and the folder above it is listed instead.
    void foerOpdateringFraDisk();
    void efterOpdateringFraDisk(bool sammeMappe);

private:
    QString valgtElement(bool kunNavn);
    // Nothing when the engine was taken down while a big folder was read.
    std::optional<TFilModel::Liste> laes(const QString &dir, bool medSkjulte, bool kunFiltype, const QString &ext);

    // What the file tree shows, so that it can be shown again.
    struct Visning
    {
        QString mappe;
        bool kunFiltype = false;
        QString ext;
        QString fremhaevet;   // the type marked by fremvisFiltype
    };
    void huskVisning(const QString &mappe, bool kunFiltype, const QString &ext);
    void planlaegVagt();
    void opdaterVagt();
    QStringList visteMapper(std::vector<QModelIndex> *noder) const;
    bool genlaesFilStruktur();
    void opdaterMappeNode(const QModelIndex &node);
    std::vector<SLPost> undermapper(const QString &mappe);

    bool MultiSelect = false;
    int m_lister = 0;          // listings under way, one inside another
    quint64 m_listeNr = 0;     // the newest listing asked for
    Sortering m_sortering;
    QString GemHentFilnavn;
    Visning m_vist;
    TMappeVagt *m_vagt = nullptr;
    QTimer *m_vagtTimer = nullptr;
    std::function<bool()> m_maaOpdatere;
};
