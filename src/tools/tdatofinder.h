#pragma once

#include <QList>
#include <QWidget>

class Dialogs;
class QLabel;
class QLineEdit;
class QPushButton;

// The side panel "Find datoer" of the calendar window: a year, the buttons
// that move it, and the Danish holiday dates of that year, row by row.
class TDatofinder : public QWidget
{
    Q_OBJECT

public:
    explicit TDatofinder(Dialogs &dialogs, QWidget *parent = nullptr);

    // "Find datoer": the rows for the year in the year field.
    void findDatoer();
    // "Nu": the current year.
    void nu();
    // The year buttons: the year field's value moved by `antal` years.
    void flytAar(int antal);
    // The title line is emptied each time the window is activated.
    void rydTitel();

    QString titel() const;
    QString dato(int raekke) const;
    QString caption(int raekke) const;
    QString hint(int raekke) const;

private:
    QWidget *bygAarsvalg();
    QWidget *bygRaekker();
    QPushButton *aarsknap(const QString &tekst, const QString &hint, const QString &navn, int antal);

    Dialogs &m_dialogs;
    QLabel *m_titel = nullptr;
    QLineEdit *m_aar = nullptr;
    QPushButton *m_nu = nullptr;
    QList<QLabel *> m_captions;
    QList<QLabel *> m_datoer;
};
