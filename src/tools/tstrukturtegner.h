#pragma once

#include <QColor>
#include <QStyledItemDelegate>

// How the lists of the structures window draw a row: 19 pixels high, the
// row filled with the list's background (the selection colour when
// selected), a small coloured circle, the text, and a silver line along the
// bottom. With `visMangler` a folder that does not exist is written in the
// disabled colour with a note, so the user sees it without losing it.
class TStrukturtegner : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int raekkehoejde = 19;
    static QColor lysegroen() { return QColor(192, 220, 192); }
    static QColor lyseblaa() { return QColor(166, 202, 240); }
    static QColor soelv() { return QColor(192, 192, 192); }
    static QString manglerTekst() { return QStringLiteral("  (findes ikke)"); }

    TStrukturtegner(const QColor &cirkel, bool visMangler, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The text a row shows.
    QString tekst(const QModelIndex &index) const;

private:
    QColor m_cirkel;
    bool m_visMangler;
};
