#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The help contents: one node per line of the contents file, its depth given
// by the leading tabs or spaces, and per node one line of the data file whose
// first character is the icon index and whose rest is the page name (without
// ".html"). The window shows it as a tree; the engine only parses and looks up.
class THjaelpIndhold
{
public:
    struct Node
    {
        QString tekst;
        QString data;       // the whole data line: icon digit + page name
        int dybde = 0;
        int foraelder = -1;  // index of the parent node, -1 at top level
        int billede = 0;    // icon index 0–9
        QString side() const { return data.mid(1); }
    };

    // Loads both files. A missing contents file gives an empty tree. A missing
    // data file is not created (the shipped folder is read-only): every node
    // then gets "0" + its own text, as a fresh data file would hold. A data
    // file that is short or has a line without a leading digit gives the
    // missing nodes the same fallback and icon 0, instead of failing.
    void HentStruktur(const QString &Strukturfile, const QString &Datafile);
    void hentFraLinjer(const QStringList &struktur, const QStringList &data);

    const QList<Node> &noder() const { return m_noder; }
    int antal() const { return int(m_noder.size()); }

    // First node, top to bottom, whose text equals the page name with its
    // extension removed, A–Z case ignored; -1 when none.
    int findNodeForSide(const QString &sidenavn) const;

    // First node whose page name equals `side` exactly (letter case counts);
    // -1 when none.
    int getNodeTekst(const QString &side) const;

private:
    QList<Node> m_noder;
};

// A page name without its extension ("Velkommen.html" → "Velkommen").
QString udenEndelse(const QString &sidenavn);
