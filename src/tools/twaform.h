#pragma once

#include <QWidget>

#include <functional>

class Dialogs;
class TApplets;

// "Window Applets": twenty buttons that open the desktop's settings panels,
// in five groups, with the help page beside them. Always inside the frame.
class TwaForm : public QWidget
{
    Q_OBJECT

public:
    // `infoHelp` opens a help page named by a link of the page beside the buttons.
    TwaForm(Dialogs &dialogs, const QString &appletsDir, const QString &infoDir,
            const std::function<void(const QString &side)> &infoHelp, QWidget *parent = nullptr);

    TApplets *applets() const { return m_applets; }

private:
    TApplets *m_applets;
};
