#pragma once

#include <QStringList>
#include <QTabBar>

// The path box: one tab per piece of the current path, the drive first.
// Choosing a tab goes to that ancestor; nothing can be typed. The tabs stay
// as they are when one is chosen, so the user can step down again.
class TStiboks : public QTabBar
{
    Q_OBJECT

public:
    explicit TStiboks(QWidget *parent = nullptr);

    // Shows the pieces of `sti` under its drive `drev` and selects the last.
    void udskrivSti(const QString &sti, const QString &drev);
    QString getStien(int index) const;
    const QStringList &stiArray() const { return m_stiArray; }

    // 0 flat buttons, 1 buttons, 2 tabs.
    void setUdseende(int bogfaner);

signals:
    // A tab was chosen: the path up to and including its piece.
    void stiValgt(const QString &sti);
    // A left mouse press anywhere on the box, before a tab is chosen.
    void venstreTryk();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void visDele(const QStringList &dele);

    QStringList m_stiArray;
};
