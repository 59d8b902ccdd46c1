#pragma once

#include "engines/kopifremdrift.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

// The copy and move progress window. The paste engine writes its texts,
// bars and folder list; "Stop" sets the cancel flag the copy loops read,
// and every showing clears it again. It has no close box: only the engine
// that opened it closes it.
class Tprogressform : public QDialog, public KopiFremdrift
{
    Q_OBJECT

public:
    explicit Tprogressform(QWidget *parent = nullptr);

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
    void setCaption(const QString &tekst) override;
    void setOversigt(const QString &tekst) override;
    void setFilBar(int procent) override;
    void setScanBar(int position, int maksimum) override;
    void setIndlaesteMapper(qint64 antal) override;

    QLabel *const infoLabel;
    QLabel *const oversigtLabel;
    QLineEdit *const destEdit;
    QLabel *const mappeLabel;
    QListWidget *const mappeListe;
    QProgressBar *const filBar;
    QLabel *const procentLabel;
    QLabel *const resterendeLabel;
    QProgressBar *const samletBar;
    QProgressBar *const scanBar;
    QLabel *const indlaesteLabel;
    QPushButton *const StopKnap;

protected:
    void visVindue() override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
};
