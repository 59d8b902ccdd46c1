#include "explorer/tstedredigering.h"

#include <QAbstractItemView>
#include <QKeyEvent>

TStedRedigering::TStedRedigering(QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(QStringLiteral("stedRedigering"));
    connect(this, &QLineEdit::returnPressed, this, [this] { afslut(true); });
}

TStedRedigering *TStedRedigering::aabn(QAbstractItemView *trae, const QModelIndex &node, const QString &tekst)
{
    auto *felt = new TStedRedigering(trae->viewport());
    QRect r = trae->visualRect(node);
    r.setLeft(r.left() + trae->iconSize().width() + 4);
    r.setWidth(qMax(r.width(), 160));
    felt->setGeometry(r.adjusted(0, -1, 0, 1));
    felt->setText(tekst);
    felt->selectAll();
    felt->show();
    felt->setFocus();
    return felt;
}

void TStedRedigering::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        afslut(false);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TStedRedigering::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A menu or a tooltip taking the focus for a moment is not leaving.
    if (event->reason() != Qt::PopupFocusReason)
        afslut(true);
}

void TStedRedigering::afslut(bool accepter)
{
    if (m_afsluttet)
        return;
    m_afsluttet = true;
    hide();
    if (accepter)
        emit accepteret(text());
    else
        emit annulleret();
    deleteLater();
}
