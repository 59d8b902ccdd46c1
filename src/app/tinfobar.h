#pragma once

#include <QStatusBar>

class QLabel;

// The main window's status line: panel 0 names the active program, panel 1
// is a narrow raised separator, panel 2 takes the rest and shows hints and
// short messages.
class TInfobar : public QStatusBar
{
    Q_OBJECT

public:
    explicit TInfobar(QWidget *parent = nullptr);

    void UdskrivInfo(const QString &tekst);
    // Panel 0 gets the text and the width of that text at 9 points plus 8.
    void InfoProg(const QString &tekst);

    QString panelTekst(int panel) const;
    int panelBredde(int panel) const;

private:
    QLabel *m_panel[3];
};
