#pragma once

#include "engines/strukturrec.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>

#include <memory>
#include <vector>

// The folder tree: drives, the private section and folders, loaded level by
// level as the user opens them. The model keeps whether a node is expanded,
// so the engine can expand and collapse without a view; a view follows
// through udfoldningAendret and reports the user's own clicks back with
// markerUdfoldet. It owns the tree's selection model.
class TMappeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit TMappeModel(QObject *parent = nullptr);
    ~TMappeModel() override;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    struct NyNode
    {
        QString tekst;
        int billede = 0;
        StrukturRec rec;
    };

    // Appends a node as the last child of `foraelder` (top level when invalid).
    QModelIndex tilfoejNode(const QModelIndex &foraelder, const QString &tekst, int billede,
                            const StrukturRec &rec);
    // Appends many children in one insertion, so a view lays out once.
    void tilfoejNoder(const QModelIndex &foraelder, const std::vector<NyNode> &noder);
    void sletBoern(const QModelIndex &node);
    // Inserts children at `raekke` and removes `antal` children from it: a
    // folder that changed on disk keeps its other nodes, their selection and
    // what is open under them.
    void indsaetNoder(const QModelIndex &foraelder, int raekke, const std::vector<NyNode> &noder);
    void fjernNoder(const QModelIndex &foraelder, int raekke, int antal);
    void ryd();

    // Whether a node's children are its folder's whole contents as read from
    // disk, rather than the chosen folders of a structure.
    bool boernLaest(const QModelIndex &node) const;
    void setBoernLaest(const QModelIndex &node, bool laest);

    StrukturRec rec(const QModelIndex &node) const;
    QString tekst(const QModelIndex &node) const;
    void setTekst(const QModelIndex &node, const QString &tekst);
    int billede(const QModelIndex &node) const;
    void setBillede(const QModelIndex &node, int billede);
    bool aktiv(const QModelIndex &node) const;
    void setAktiv(const QModelIndex &node, bool aktiv);

    bool erUdfoldet(const QModelIndex &node) const;
    void udfold(const QModelIndex &node);
    void foldSammen(const QModelIndex &node);
    void udfoldAlt();
    void foldAltSammen();
    // The view tells the model what the user opened or closed.
    void markerUdfoldet(const QModelIndex &node, bool udfoldet);

    // Every node, parents before their children, collapsed branches included.
    QModelIndexList alleNoder() const;
    QModelIndex foersteNode() const { return index(0, 0); }
    bool tom() const { return rowCount() == 0; }

    QItemSelectionModel *valg() const { return m_valg; }
    // The selected node: the current one when it is selected, else the first
    // selected node in tree order.
    QModelIndex valgtNode() const;
    QModelIndexList valgteNoder() const;
    void vaelg(const QModelIndex &node);
    void fravaelgAlle();

signals:
    void udfoldningAendret(const QModelIndex &node, bool udfoldet);
    // Some node was opened or closed, by the engine or by the user.
    void udfoldningerSkiftet();

private:
    struct Node;
    Node *node(const QModelIndex &index) const;
    QModelIndex indexAf(Node *n) const;
    void saetUdfoldet(const QModelIndex &node, bool udfoldet);
    static std::unique_ptr<Node> lavNode(const NyNode &ny, Node *foraelder);
    static void nummerer(Node *foraelder, int fra);

    std::unique_ptr<Node> m_rod;
    QItemSelectionModel *m_valg;
};
