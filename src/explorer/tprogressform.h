#pragma once

#include "engines/kopifremdrift.h"
#include "explorer/fremdriftsvindue.h"

class QLineEdit;
class QPushButton;

// The copy and move progress window. The paste engine writes its texts,
// bars and folder list; "Stop" sets the cancel flag the copy loops read,
// and every showing clears it again. It has no close box: only the engine
// that opened it closes it.
class Tprogressform : public Fremdriftsvindue<KopiFremdrift>
{
    Q_OBJECT

public:
    explicit Tprogressform(QWidget *parent = nullptr);

    void setDestination(const QString &tekst) override;
    void setCaption(const QString &tekst) override;
    void setOversigt(const QString &tekst) override;
    void setFilBar(int procent) override;
    void setScanBar(int position, int maksimum) override;
    void setIndlaesteMapper(qint64 antal) override;

    QLabel *const oversigtLabel;
    QLineEdit *const destEdit;
    QProgressBar *const filBar;
    QProgressBar *const scanBar;
    QLabel *const indlaesteLabel;
    QPushButton *const StopKnap;

protected:
    void showEvent(QShowEvent *event) override;
};
