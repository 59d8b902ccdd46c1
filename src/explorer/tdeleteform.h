#pragma once

#include "engines/fremdrift.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QProgressBar;

// "Sletter mapper og filer": the progress of a deletion, written by the
// delete engine and by the removal of moved sources. It has no "Stop" and no
// close box: a deletion half done is worse than one finished.
class Tdeleteform : public QDialog, public Fremdrift
{
    Q_OBJECT

public:
    explicit Tdeleteform(QWidget *parent = nullptr);

    void luk() override;
    void setInformation(const QString &tekst) override;
    void setDestination(const QString &tekst) override;
    void setMappeOverskrift(const QString &tekst) override;
    void rydMapper() override;
    void tilfoejMappe(const QString &sti) override;
    void markerMappe(int raekke) override;
    void setProcent(int procent) override;
    void setResterende(const QString &tekst) override;
    void setBar(int procent) override;

    QLabel *const infoLabel;
    QLabel *const destLabel;
    QLabel *const mappeLabel;
    QListWidget *const mappeListe;
    QLabel *const procentLabel;
    QLabel *const resterendeLabel;
    QProgressBar *const bar;

protected:
    void visVindue() override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
};
