#include "tools/thjaelpevisning.h"

#include <QDesktopServices>
#include <QFileInfo>

THjaelpevisning::THjaelpevisning(const QString &side, const std::function<void(const QString &side)> &infoHelp,
                                 QWidget *parent)
    : QTextBrowser(parent)
    , m_infoHelp(infoHelp)
{
    setObjectName(QStringLiteral("informationsvisning"));
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &THjaelpevisning::linkKlikket);
    setSource(QUrl::fromLocalFile(side));
}

void THjaelpevisning::linkKlikket(const QUrl &url)
{
    if (url.isLocalFile() || url.isRelative()) {
        if (m_infoHelp)
            m_infoHelp(QFileInfo(url.isLocalFile() ? url.toLocalFile() : url.path()).fileName());
        return;
    }
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        QDesktopServices::openUrl(url);
}
