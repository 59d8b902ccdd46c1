#pragma once

#include <QStyledItemDelegate>

#include <functional>

class QAction;
class QLabel;
class QToolButton;

// Small pieces the windows share, so a heading or a drawn list row looks the
// same in every window that has one.
namespace vinduesdele {

// A bold heading, its font `skala` times the window's.
QLabel *overskrift(const QString &tekst, qreal skala = 1.0);

// The button that brings an explorer window forward, showing the frame's
// command with its caption beside the icon; none when the window stands
// without the frame's command.
QToolButton *stifinderKnap(QAction *aVisStifinder);

// A list row drawn as the tool windows draw theirs: a small mark at the
// left, the elided caption beside it and a silver line under the row.
class TMaerketRaekke : public QStyledItemDelegate
{
public:
    // Draws the mark in the 10 x 10 square it is given.
    using Maerke = std::function<void(QPainter *maler, const QRect &felt, bool valgt, const QPalette &p)>;

    TMaerketRaekke(Maerke maerke, int mindsteHoejde, QObject *parent = nullptr);

    void paint(QPainter *maler, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override;

private:
    Maerke m_maerke;
    int m_mindsteHoejde;
};

} // namespace vinduesdele
