#pragma once

#include <QTabWidget>

#include <functional>

class Dialogs;
class QTreeWidget;

// Page "Program genveje" of the left panel: four lists that explain the
// program's keyboard shortcuts. Activating a row (double click, Enter or
// Space) shows its explanation and/or opens its help page.
class TGenvejslister : public QTabWidget
{
    Q_OBJECT

public:
    using VisHjaelpeside = std::function<void(const QString &side)>;

    TGenvejslister(Dialogs &dialogs, VisHjaelpeside infoHelp, QWidget *parent = nullptr);

    QTreeWidget *liste(int underside) const;

    // Acts on the selected row of a list; nothing happens without one.
    void aktiverValgte(int underside);

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    QTreeWidget *bygListe(int underside);

    Dialogs &m_dialogs;
    VisHjaelpeside m_infoHelp;
};
