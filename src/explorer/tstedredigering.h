#pragma once

#include <QLineEdit>

class QAbstractItemView;
class QModelIndex;

// The field for renaming a tree node in place: it lies over the node, Enter
// or leaving it accepts, Escape cancels, and it removes itself either way.
// The trees' models stay read-only; the window does the renaming.
class TStedRedigering : public QLineEdit
{
    Q_OBJECT

public:
    static TStedRedigering *aabn(QAbstractItemView *trae, const QModelIndex &node, const QString &tekst);

signals:
    void accepteret(const QString &ny);
    void annulleret();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    explicit TStedRedigering(QWidget *parent);
    void afslut(bool accepter);

    bool m_afsluttet = false;
};
