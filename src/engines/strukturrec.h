#pragma once

#include <QString>
#include <Qt>

// The record every node of the folder tree and the file tree carries.
struct StrukturRec
{
    QString mappe;     // folder, drive and private nodes: the folder path
    QString filnavn;   // file nodes: the full path of the file
    qint32 ID = 0;     // the node kind, below
};

// Node kinds. IdIngen is only ever returned ("nothing selected").
enum StrukturId : qint32 {
    IdMappe = 0,
    IdFil = 1,
    IdPrivat = 2,
    IdDrev = 4,
    IdBeskyttet = 5,
    IdIngen = 100,
};

// The tree a query or an action of the tree engine is about.
enum class Trae : qint32 {
    Ingen = 0,
    Mappe = 1,   // the folder tree
    Fil = 2,     // the file tree
};

// The tree models give their image index under this role; the window maps
// it to a picture.
constexpr int BilledeRolle = Qt::UserRole + 1;
