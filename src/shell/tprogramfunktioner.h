#pragma once

#include "shell/vinduesart.h"

#include <QWidget>

#include <functional>

class QAction;
class QButtonGroup;
class QListWidget;

// Sub-page "Programmer" of the functions page: the "Nem-funktioner" buttons
// bound to the frame's commands, and the "Information" list whose rows open
// help pages.
class TProgramfunktioner : public QWidget
{
    Q_OBJECT

public:
    using FindKommando = std::function<QAction *(const QString &navn)>;
    using VisHjaelpeside = std::function<void(const QString &side)>;

    TProgramfunktioner(const FindKommando &kommando, VisHjaelpeside infoHelp, QWidget *parent = nullptr);

    QListWidget *informationsliste() const { return m_liste; }
    void aabnValgte();

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    QListWidget *m_liste;
    VisHjaelpeside m_infoHelp;
};

// Sub-page "Egenskaber" of the functions page: for each tool window whether
// it opens inside the frame ("Internt") or as a free window ("Externt").
// A window's choice is locked while that window exists.
class TAabningsvalg : public QWidget
{
    Q_OBJECT

public:
    explicit TAabningsvalg(QWidget *parent = nullptr);

    // The kinds that have a choice, in the order of the settings.
    static QList<Vinduesart> arter();

    int index(Vinduesart art) const;          // 0 Internt, 1 Externt
    void saetIndex(Vinduesart art, int index);
    bool inde(Vinduesart art) const { return index(art) == 0; }
    void laas(Vinduesart art, bool laast);
    bool erLaast(Vinduesart art) const;

private:
    QButtonGroup *gruppe(Vinduesart art) const;
    QHash<int, QButtonGroup *> m_grupper;
};
