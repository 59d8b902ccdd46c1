#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class Dialogs;
class QAction;
class QMenu;
class QWidget;
class Twinform;

// The drop-down menu of homemade folder structures that every explorer
// window shows on its structure button: a submenu of fixed commands, a
// separator, then one item per structure file in the structures folder.
// Choosing an item builds that structure in the active explorer window.
class TStrukturmenu : public QObject
{
    Q_OBJECT

public:
    struct Ramme
    {
        QWidget *hovedvindue;
        Dialogs *dialogs;
        // The active explorer window; opens one first when another kind of
        // window is active.
        std::function<Twinform *()> aktivStifinder;
        // "Vis strukturer som": 0 level structure, 1 point structure.
        std::function<int()> fremstillingsform;
        // Where the last chosen structure is remembered (saved with the
        // main window's settings).
        int *OnClickIndex;
        QString *OnClickCaption;
    };
    TStrukturmenu(const Ramme &ramme, QAction *OpretSmappe, QAction *bestemFremstilling, QObject *parent = nullptr);
    ~TStrukturmenu() override;

    QMenu *menu() const { return m_menu; }
    void setMappe(const QString &mappestrukturDir) { m_mappe = mappestrukturDir; }

    // The structure names: every "*.txt" file of the folder that is not a
    // folder, without its extension.
    static QStringList strukturnavne(const QString &mappe);

    // Refills the items after the fixed ones from the structures folder.
    void loadMappeStruktur();
    // Builds the structure of the item at position `index` of the menu.
    void mMsOnClick(int index);
    // Builds the last chosen structure again, found by its name.
    void CallOnClick();

private:
    static constexpr int antalFasteEmner = 2;
    QMenu *m_menu;
    Ramme m_ramme;
    QString m_mappe;
};
