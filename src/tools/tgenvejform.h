#pragma once

#include <QWidget>

#include <functional>

class Dialogs;
class QAction;
class QCheckBox;
class QFrame;
class QLineEdit;
class QListWidget;
class QToolButton;
class TGenvejsmager;

// "Genveje": makes shortcuts (desktop entries) to a folder, a program or a
// file, and lists and runs the shortcuts of the fixed placement folder.
// Runs inside the frame, with the side panel of shortcuts, or as a free
// window of fixed size that remembers its position in "Genveje.txt".
class Tgenvejform : public QWidget
{
    Q_OBJECT

public:
    // What the window needs of the main window.
    struct Hovedvindue
    {
        std::function<QString()> editSti;                     // the current element
        QString *PlaceringsMappe = nullptr;                   // kept with the main window's settings
        std::function<void(const QString &mappe)> visKalMappe;      // "Vis": a folder in an explorer
        std::function<void(const QString &mappe)> aktiverWinform;   // a made shortcut's folder
        std::function<void(const QString &fil)> runFilname;        // "Kør"
        std::function<void(const QString &side)> infoHelp;
        QAction *aVisStifinder = nullptr;
        QString scriptDir;
        QString programfil;                                   // the running program, for folder shortcuts
    };

    Tgenvejform(Dialogs &dialogs, bool inde, const QString &optMappe, const Hovedvindue &hoved,
                QWidget *parent = nullptr);

    bool showInternt() const { return m_showInternt; }
    QString optFilnavn() const { return m_optFilnavn; }
    TGenvejsmager *mager() const { return m_mager; }
    QAction *kommando(const char *navn) const;

    QLineEdit *maalFelt() const { return m_maal; }
    QLineEdit *placeringFelt() const { return m_placering; }
    QLineEdit *navnFelt() const { return m_navn; }
    QLineEdit *fastPlaceringFelt() const { return m_fastPlacering; }
    QListWidget *genvejsliste() const { return m_liste; }
    QCheckBox *loadCheck() const { return m_loadCheck; }

    // "Opret" of the main window: the three fields at once.
    void udfyld(const QString &maal, const QString &placering, const QString &navn);

    // The commands.
    void indfoerMappe();
    void indfoerProgram();
    void indfoerPlacering();
    void makeGenvej();
    void indfoerFast();
    void gemFast();
    void loadGenveje();
    void vis();
    void koer();

    // The enable rules, evaluated now (the current element may have
    // changed).
    void opdaterKommandoer();
    void FormActivate();

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    QWidget *lavHovedpanel();
    QWidget *lavSidepanel();
    QAction *lavKommando(const char *navn, const QString &tekst, const QString &hint, void (Tgenvejform::*handling)());
    void laesIndstillinger();
    void placerEksternt();
    void genvejLavet(const QString &fil, const QString &placering);
    QString editSti() const;

    Dialogs &m_dialogs;
    Hovedvindue m_hoved;
    bool m_showInternt;
    bool m_opstart = true;
    QString m_optFilnavn;
    int m_aLeft = 20;
    int m_aTop = 40;
    bool m_aLoadGenveje = false;
    TGenvejsmager *m_mager;
    QLineEdit *m_maal = nullptr;
    QLineEdit *m_placering = nullptr;
    QLineEdit *m_navn = nullptr;
    QLineEdit *m_fastPlacering = nullptr;
    QListWidget *m_liste = nullptr;
    QCheckBox *m_loadCheck = nullptr;
    QFrame *m_sidepanel = nullptr;
    QToolButton *m_infoKnap = nullptr;
};
