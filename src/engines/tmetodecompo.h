#pragma once

#include "engines/tmetoder.h"
#include "platform/papirkurv.h"

#include <QModelIndex>

// The operations object of one explorer window: on top of the shared rules
// it renames folders and files edited in place in either tree, creates new
// folders, selects a folder node by path and changes file extensions in
// bulk. A rename never replaces an element that already has the new name:
// a taken name gives a numbered free name instead, and a change of letter
// case alone is a plain rename.
class TMetodeCompo : public TMetoder
{
    Q_OBJECT

public:
    explicit TMetodeCompo(Dialogs *dialogs, QObject *ejer = nullptr);

    // The active tree's selected node when it may be renamed: the window
    // then opens its in-place editor on it. Otherwise the reason is
    // reported and an invalid index is returned.
    QModelIndex editSelected();

    // Called when in-place editing of `node` ends (a folder tree index, or
    // a file tree index whose row is used). The result is the text the node
    // shall show: the new name, aOldName when nothing changed or the rename
    // failed, and empty when the node's element no longer exists (nothing
    // was touched; the window's refresh replaces the node).
    QString RenameMappe(const QString &aOldName, const QString &aNewName, const QModelIndex &node);
    QString RenameFil(const QString &aOldName, const QString &aNewName, const QModelIndex &node);

    // Renames the folder or file `gammel` to nytNavn in its own folder
    // (rename by dialog): a taken name gets a free variant, a file's new
    // extension follows the shared rules. The new path; empty when nothing
    // was renamed (the reason was reported).
    QString RenameElement(const QString &gammel, const QString &nytNavn);

    // Creates "Ny mappe" (or mappeNavnet) under the active tree's folder,
    // numbered "Ny mappe Kopi (1)", … when taken. The new folder's path, or
    // empty when nothing was created.
    QString OpretNyMappe(const QString &mappeNavnet = {});

    // Selects the top-level node of the active tree showing aNewMappe.
    bool SelectMappe(const QString &aNewMappe);

    // Gives every file of aDir (with alleMapper, of its subfolders too)
    // whose name ends in oldExt the extension newExt, leaving a file alone
    // when the new name is taken. The number of files found, renamed or
    // not; -1 on an error. The file tree is listed afresh when any was found.
    int RenameFilExt(const QString &aDir, const QString &oldExt, const QString &newExt, bool alleMapper);

    // Empties the trash of the volume that holds `drev` (any path on it):
    // its trash folders' elements are deleted permanently. With Confirm the
    // user is asked first, naming the volume and how many elements it holds.
    // Whether the trash is empty afterwards (or was), the user declined, or
    // some elements stayed (each is named).
    enum class Toemning { Tom = 0, Afvist = 1, Delvis = 2 };
    Toemning EmptyRecycleBin(bool Confirm, const QString &drev);
    // Where the trash folders are looked for (default: the running system).
    void setPapirkurvKilder(const papirkurv::Kilder &kilder) { m_kurvKilder = kilder; }

signals:
    // The folder tree shall take the keyboard focus (the file tree has its
    // own signal on its model).
    void mappetraeFokusOenskes();

private:
    bool omdoebMappe(const QString &gammel, const QString &nytNavn, QString &ny);
    QString nyFilsti(const QString &fil, const QString &nytNavn);
    bool navnKanBruges(const QString &navn);
    QString foraelderTilNyMappe();
    QString opretMappe(const QString &sti);

    Dialogs *m_beskeder;
    std::optional<papirkurv::Kilder> m_kurvKilder;
};
