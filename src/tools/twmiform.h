#pragma once

#include <QWidget>

#include <functional>

class Dialogs;
class QComboBox;
class QLineEdit;
class QTextBrowser;
class QTimer;
class QToolButton;
class TApplets;
class TWmi;

// "WMI": system information by class. The shipped scripts list the classes
// and write a small program for the chosen one, printing its data as text
// (run in a terminal that stays open) or writing it as a web page (opened
// in the browser); the output folder is then shown in an explorer window.
// Runs inside the frame, or as a free window of fixed width without the
// help panel that remembers its place in "WMI.txt".
class TwmiForm : public QWidget
{
    Q_OBJECT

public:
    struct Hovedvindue
    {
        std::function<void(const QString &mappe)> visMappe;     // in an explorer window
        std::function<void(const QString &tekst)> webSoeg;      // a web search
        std::function<void(const QString &side)> infoHelp;
        QAction *aVisStifinder = nullptr;
    };
    struct Mapper
    {
        QString wmidir;      // the shipped scripts
        QString wmiMappe;    // the user's output folder
        QString appletsDir;  // the settings panels' scripts
        QString infoDir;     // the help pages
        QString optMappe;    // the settings files
    };

    TwmiForm(Dialogs &dialogs, const Mapper &mapper, bool inde, const Hovedvindue &hoved, QWidget *parent = nullptr);

    TWmi *wmi() const { return m_wmi; }
    QComboBox *wmiBox() const { return m_wmiBox; }

    // The commands.
    void AloadListe();
    void Awmi();
    void AmakeFile(bool html);
    void opdaterKnapper();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    QWidget *bygKnapper();
    QWidget *bygSoegning();
    void placerEksternt();

    Dialogs &m_dialogs;
    Hovedvindue m_hoved;
    bool m_showInternt;
    QString m_optFilnavn;
    TWmi *m_wmi;
    TApplets *m_applets;
    QComboBox *m_wmiBox = nullptr;
    QLineEdit *m_findEdit = nullptr;
    QTimer *m_regler;
};
