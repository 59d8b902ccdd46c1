#pragma once

#include <QList>
#include <QStyle>
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;
class QVBoxLayout;
class THjaelp;

// "Information": the help browser. Inside the frame it has a side panel with
// the history list and the main window's commands; outside it is a free
// window of fixed width that remembers its position.
class Tinfoform : public QWidget
{
    Q_OBJECT

public:
    struct Hovedkommandoer
    {
        QAction *aVisStifinder = nullptr;
        QAction *aVisInfoStruk = nullptr;
        QAction *aPanelV = nullptr;
        QList<QAction *> visGT;   // visGT1 … visGT4
    };

    // `settingsfil` (left, top, height) is used only outside the frame.
    Tinfoform(THjaelp &hjaelp, bool inde, const QString &settingsfil,
              const Hovedkommandoer &kommandoer, QWidget *parent = nullptr);
    ~Tinfoform() override;

    bool erInde() const { return m_inde; }
    QTextBrowser *browser() const { return m_browser; }
    QLineEdit *edit() const { return m_edit; }
    QAction *kommando(const QString &navn) const;

    void LoadHjemmeside(const QString &side);
    QString aktuelSide() const { return m_aktuelSide; }

    // Re-evaluates the enable rules of the navigation commands.
    void opdaterKommandoer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *nyKommando(const QString &navn, const QString &tekst, QStyle::StandardPixmap ikon);
    QWidget *bygNavigation();
    QWidget *bygSidepanel(const Hovedkommandoer &k);
    QWidget *bygLillePanel(const Hovedkommandoer &k);
    QToolButton *emneKnap(const QString &tekst, const QString &hint, const QStringList &emner,
                          bool medTekst);
    void linkKlikket(const QUrl &url);
    void hentPosition();
    void gemPosition();

    THjaelp &m_hjaelp;
    bool m_inde;
    QString m_settingsfil;
    QString m_aktuelSide;
    QTextBrowser *m_browser;
    QLineEdit *m_edit;
    QList<QToolButton *> m_emneKnapper;
    QVBoxLayout *m_listeplads = nullptr;
};
