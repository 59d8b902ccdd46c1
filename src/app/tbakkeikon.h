#pragma once

#include <QObject>

#include <functional>

class QSystemTrayIcon;
class QWidget;

// The program's icon in the desktop's notification area (the tray), with
// the hint "Marvikel" and no menu. While the icon really stands in a tray,
// minimising the window hides it from the taskbar and a click on the icon
// brings it back. Without a tray the window minimises as usual, so it can
// never be lost.
class TBakkeikon : public QObject
{
    Q_OBJECT

public:
    // `bakkeFindes` tells whether the desktop has a tray at all; by default
    // the toolkit's answer.
    explicit TBakkeikon(QWidget *vindue, std::function<bool()> bakkeFindes = {});
    ~TBakkeikon() override;

    // Whether the icon is shown in a tray that exists.
    bool vises() const;

    // Shows a message from the icon; false when there is no icon to show it.
    bool visBesked(const QString &overskrift, const QString &tekst);

    // Brings the window back from the tray or from being minimised.
    void gendan();

    QSystemTrayIcon *ikon() const { return m_ikon; }

protected:
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    QWidget *m_vindue;
    QSystemTrayIcon *m_ikon;
    std::function<bool()> m_bakkeFindes;
};
