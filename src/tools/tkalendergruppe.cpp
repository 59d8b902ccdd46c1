#include "tools/tkalendergruppe.h"

#include "app/hint.h"
#include "core/dansk.h"
#include "engines/kalender/kalenderdatoer.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kd = kalenderdatoer;

namespace {

QLineEdit *talfelt(const QString &navn, const QString &hint, int tegn)
{
    auto *felt = new QLineEdit;
    felt->setObjectName(navn);
    hint::saet(felt, hint);
    felt->setAlignment(Qt::AlignRight);
    felt->setMaxLength(12);
    const int bredde = felt->fontMetrics().horizontalAdvance(QString(tegn, QLatin1Char('0')));
    felt->setFixedWidth(bredde + 16);
    return felt;
}

} // namespace

TKalendergruppe::TKalendergruppe(bool ugenumre, QWidget *parent)
    : QWidget(parent)
{
    m_kalender = new QCalendarWidget;
    m_kalender->setObjectName("kalender");
    m_kalender->setLocale(dansk::locale());
    m_kalender->setFirstDayOfWeek(Qt::Monday);
    m_kalender->setDateRange(kd::foersteDato(), kd::sidsteDato());
    m_kalender->setGridVisible(true);
    if (!ugenumre)
        m_kalender->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Squeezed below its natural width the calendar cuts its day names.
    m_kalender->setMinimumWidth(m_kalender->sizeHint().width());
    connect(m_kalender, &QCalendarWidget::selectionChanged, this, &TKalendergruppe::kalenderSkiftet);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(bygFelter());
    l->addWidget(bygNavigation());
    l->addWidget(m_kalender, 1);
    saetIDagTekst();
    visIFelter(dato());
}

QWidget *TKalendergruppe::bygFelter()
{
    auto *w = new QWidget;
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    m_dag = talfelt("dagFelt", QStringLiteral("Dag"), 2);
    m_maaned = talfelt("maanedFelt", QStringLiteral("Måned"), 2);
    m_aar = talfelt("aarFelt", QStringLiteral("År"), 4);
    l->addWidget(m_dag);
    l->addWidget(new QLabel(QStringLiteral("-")));
    l->addWidget(m_maaned);
    l->addWidget(new QLabel(QStringLiteral("-")));
    l->addWidget(m_aar);
    auto *opdater = new QPushButton(QStringLiteral("Opdater"));
    opdater->setObjectName("opdaterKnap");
    hint::saet(opdater, QStringLiteral("Opdater kalenderen til indførte dato"));
    connect(opdater, &QPushButton::clicked, this, &TKalendergruppe::Opdater);
    // Enter in a field does what "Opdater" does.
    for (QLineEdit *felt : {m_dag, m_maaned, m_aar})
        connect(felt, &QLineEdit::returnPressed, this, &TKalendergruppe::Opdater);
    l->addWidget(opdater);
    l->addStretch();
    return w;
}

QPushButton *TKalendergruppe::navigationsknap(const QString &tekst, const QString &hint, const QString &navn,
                                              bool maaned, int retning)
{
    auto *k = new QPushButton(tekst);
    k->setObjectName(navn);
    hint::saet(k, hint);
    k->setFixedWidth(k->fontMetrics().horizontalAdvance(QStringLiteral("<")) + 16);
    connect(k, &QPushButton::clicked, this, [this, maaned, retning] {
        setDato(maaned ? kd::flytMaaneder(dato(), retning) : kd::flytAar(dato(), retning));
    });
    return k;
}

QWidget *TKalendergruppe::bygNavigation()
{
    auto *w = new QWidget;
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addWidget(navigationsknap("<", QStringLiteral("Foregående måned"), "forrigeMaaned", true, -1));
    l->addWidget(navigationsknap(">", QStringLiteral("Næste måned"), "naesteMaaned", true, 1));
    l->addSpacing(8);
    l->addWidget(navigationsknap("<", QStringLiteral("Foregående år"), "forrigeAar", false, -1));
    l->addWidget(navigationsknap(">", QStringLiteral("Næste år"), "naesteAar", false, 1));
    l->addSpacing(8);
    m_idag = new QPushButton;
    m_idag->setObjectName("idagKnap");
    connect(m_idag, &QPushButton::clicked, this, &TKalendergruppe::gaaTilIDag);
    l->addWidget(m_idag);
    l->addStretch();
    return w;
}

QDate TKalendergruppe::dato() const
{
    return m_kalender->selectedDate();
}

void TKalendergruppe::setDato(const QDate &dato, bool medSignal)
{
    if (!dato.isValid())
        return;
    {
        const QSignalBlocker blok(medSignal ? nullptr : m_kalender);
        m_kalender->setSelectedDate(dato);
    }
    if (!medSignal)
        visIFelter(this->dato());
}

QString TKalendergruppe::feltDato() const
{
    return m_dag->text().trimmed() + QLatin1Char('-') + m_maaned->text().trimmed() + QLatin1Char('-')
           + m_aar->text().trimmed();
}

void TKalendergruppe::saetIDagTekst()
{
    m_idag->setText(QStringLiteral("I dag: ") + kd::datotekst(QDate::currentDate()));
}

void TKalendergruppe::gaaTilIDag()
{
    saetIDagTekst();
    setDato(QDate::currentDate());
}

void TKalendergruppe::Opdater()
{
    // All three are read before any is applied: moving the calendar
    // rewrites the fields.
    const int dag = kd::rensTal(m_dag->text());
    const int maaned = kd::rensTal(m_maaned->text());
    const int aar = kd::rensTal(m_aar->text());
    m_dag->setText(QString::number(dag));
    m_maaned->setText(QString::number(maaned));
    m_aar->setText(QString::number(aar));
    const QDate ny = kd::anvendFelter(dato(), dag, maaned, aar);
    if (ny != dato())
        setDato(ny);
}

void TKalendergruppe::visIFelter(const QDate &dato)
{
    m_dag->setText(QString::number(dato.day()));
    m_maaned->setText(QString::number(dato.month()));
    m_aar->setText(QString::number(dato.year()));
}

void TKalendergruppe::kalenderSkiftet()
{
    const QDate d = dato();
    // Keep the month of the selected day in view, also after a button.
    m_kalender->setCurrentPage(d.year(), d.month());
    visIFelter(d);
    emit datoValgt(d);
}
