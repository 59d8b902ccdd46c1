#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLayout;
class QListWidget;
class QProgressBar;

// What the progress windows of the delete and the copy engines share: the
// information line, the folder list with its heading, the percentage and
// remaining count, and the overall bar. The window only hides when the
// engine says so; closing and Escape are ignored, as a half-finished
// operation must not lose its window. `Graensesnit` is the progress
// interface the window serves (Fremdrift or one built on it); the window
// itself places the widgets and shows the destination its own way.
template <class Graensesnit>
class Fremdriftsvindue : public QDialog, public Graensesnit
{
public:
    void luk() override;
    void setInformation(const QString &tekst) override;
    void setMappeOverskrift(const QString &tekst) override;
    void rydMapper() override;
    void tilfoejMappe(const QString &sti) override;
    void markerMappe(int raekke) override;
    void setProcent(int procent) override;
    void setResterende(const QString &tekst) override;
    void setBar(int procent) override;

    QLabel *const infoLabel;
    QLabel *const mappeLabel;
    QListWidget *const mappeListe;
    QLabel *const procentLabel;
    QLabel *const resterendeLabel;
    QProgressBar *const bar;

protected:
    Fremdriftsvindue(QWidget *parent, const QString &mappeOverskrift);

    // A bar from 0 to 100 without text, as all bars of these windows are.
    static QProgressBar *lavBar();
    // A sunken panel around `indhold`.
    static QFrame *panel(QLayout *indhold);
    // The panel with " Resterende elementer: ", the percentage and the
    // remaining count.
    QFrame *resterendePanel();

    void visVindue() override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
};
