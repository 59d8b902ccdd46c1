#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QPushButton;

// One calendar with its controls: the day, month and year fields with
// "Opdater", a month and a year back and forward, the button that goes to
// today, and the month calendar itself (weeks from Monday). The calendar
// window has three: one on its first page and two on the difference page.
class TKalendergruppe : public QWidget
{
    Q_OBJECT

public:
    // `ugenumre`: whether the calendar shows week numbers.
    explicit TKalendergruppe(bool ugenumre = true, QWidget *parent = nullptr);

    QDate dato() const;
    // Selects a day; with `medSignal` false the change is not announced (the
    // fields still follow).
    void setDato(const QDate &dato, bool medSignal = true);

    // The fields' texts as they stand, joined day-month-year.
    QString feltDato() const;

    // The today button's caption, "I dag: " + today's date text.
    void saetIDagTekst();
    void gaaTilIDag();

    // Cleans the three fields to integers, writes them back, and then moves
    // the calendar to what they say.
    void Opdater();

    QCalendarWidget *kalender() const { return m_kalender; }

signals:
    // A day was selected: by a click, a button or setDato.
    void datoValgt(const QDate &dato);

private:
    QWidget *bygFelter();
    QWidget *bygNavigation();
    QPushButton *navigationsknap(const QString &tekst, const QString &hint, const QString &navn, bool maaned,
                                 int retning);
    void visIFelter(const QDate &dato);
    void kalenderSkiftet();

    QLineEdit *m_dag = nullptr;
    QLineEdit *m_maaned = nullptr;
    QLineEdit *m_aar = nullptr;
    QPushButton *m_idag = nullptr;
    QCalendarWidget *m_kalender = nullptr;
};
