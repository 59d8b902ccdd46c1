#pragma once

#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

// The contents page of the left panel: 20 rows in seven collapsible groups;
// a row either selects a page of the panel or opens a help page.
class TIndholdsside : public QWidget
{
    Q_OBJECT

public:
    explicit TIndholdsside(QWidget *parent = nullptr);

    QTreeWidget *liste() const { return m_liste; }

    // The row with list position `raekke` (0-19).
    QTreeWidgetItem *raekke(int raekke) const;

    void foldAlleUd();
    void foldAlleSammen();

signals:
    void vaelgSide(int side);
    void aabnHjaelp(const QString &side);
    // After every click, so the window can update its page title.
    void klikket();

private:
    void klik(QTreeWidgetItem *item);

    QTreeWidget *m_liste;
};
