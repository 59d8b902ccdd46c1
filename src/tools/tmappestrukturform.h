#pragma once

#include <QWidget>

#include <functional>

class Dialogs;
class QAction;
class QFrame;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;
class TStrukturredigering;

// "Mappestruktur": the saved folder structures. The left panel lists them;
// page "Strukturer" shows the folders of the one clicked, page "Opret og
// rediger strukturer" the structure under edit with its name. Runs inside
// the frame or as a free window that remembers its place, size and whether
// the left panel shows in "mappestruktur.txt".
class Tmappestrukturform : public QWidget
{
    Q_OBJECT

public:
    // What the window needs of the main window.
    struct Hovedvindue
    {
        std::function<QString()> editSti;   // the current element
        // Shows the folders as a point (true) or level structure in an explorer.
        std::function<void(const QStringList &mapper, bool punkt)> visStruktur;
        // Shows a folder in an explorer; with `koerHaendelser` pending
        // window events run afterwards.
        std::function<void(const QString &mappe, bool koerHaendelser)> visMappe;
        std::function<void()> loadMappeStruktur;     // the main window's structure menu
        std::function<void(const QString &side)> infoHelp;
        QAction *aVisStifinder = nullptr;
        int minimumHoejde = 0;
    };

    Tmappestrukturform(Dialogs &dialogs, bool &MsRedigeret, const QString &mappestrukturDir,
                       const QString &optMappe, bool inde, const Hovedvindue &hoved, QWidget *parent = nullptr);

    TStrukturredigering *redigering() const { return m_redigering; }
    bool showInternt() const { return m_showInternt; }
    QString optFilnavn() const { return m_optFilnavn; }

    // Refills the structure list from the folder.
    void loadMappeStruktur();
    // The main window's "Tilføj": the folder joins the structure under edit.
    void tilfoejMappe(const QString &mappe);
    // Shows or hides the left panel; the right panel keeps its size.
    void skiftPanel();

    // The enable rules, evaluated now.
    void opdaterKnapper();

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    QWidget *bygVenstrePanel();
    QWidget *bygHoejrePanel();
    QWidget *bygRedigeringsside();
    QWidget *bygBund();
    void visListerne();
    void placerEksternt();
    void gemPlacering();
    void FormActivate();
    void punktNiveau(bool punkt);

    Dialogs &m_dialogs;
    Hovedvindue m_hoved;
    bool m_showInternt;
    bool m_opstart = true;
    QString m_optFilnavn;
    TStrukturredigering *m_redigering;
    QTimer *m_regler;

    QFrame *m_venstrePanel = nullptr;
    QListWidget *m_strukturListe = nullptr;
    QListWidget *m_mappeListe = nullptr;
    QListWidget *m_redigeringsListe = nullptr;
    QTabWidget *m_sider = nullptr;
    QLineEdit *m_navnFelt = nullptr;
    QToolButton *m_panelKnap = nullptr;
    QToolButton *m_infoKnap = nullptr;
};
