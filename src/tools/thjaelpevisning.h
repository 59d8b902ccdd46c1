#pragma once

#include <QTextBrowser>

#include <functional>

// The short help page beside the buttons of a system window. A link to
// another help page opens it in the help browser (`infoHelp` with the
// page's file name); a web address opens in the web browser.
class THjaelpevisning : public QTextBrowser
{
    Q_OBJECT

public:
    THjaelpevisning(const QString &side, const std::function<void(const QString &side)> &infoHelp,
                    QWidget *parent = nullptr);

private:
    void linkKlikket(const QUrl &url);

    std::function<void(const QString &side)> m_infoHelp;
};
