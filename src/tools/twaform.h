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
    TwaForm(Dialogs &dialogs, const QString &appletsDir, const QString &infoDir, QWidget *parent = nullptr);

    TApplets *applets() const { return m_applets; }

private:
    TApplets *m_applets;
};
