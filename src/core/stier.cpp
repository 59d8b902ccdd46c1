#include "core/stier.h"

namespace stier {

QString delimKon(const QString &sti)
{
    return sti.endsWith(QLatin1Char('/')) ? sti : sti + QLatin1Char('/');
}

QString udenSkraastreg(const QString &sti)
{
    if (sti.size() > 1 && sti.endsWith(QLatin1Char('/')))
        return sti.left(sti.size() - 1);
    return sti;
}

QString getLastDirectory(const QString &sti, const QStringList &drev)
{
    const QString s = udenSkraastreg(sti);
    if (s == QLatin1String("/") || drev.contains(s))
        return s;
    return s.mid(s.lastIndexOf(QLatin1Char('/')) + 1);
}

QString mappeAf(const QString &sti)
{
    const QString s = udenSkraastreg(sti);
    const qsizetype i = s.lastIndexOf(QLatin1Char('/'));
    if (i < 0)
        return {};
    return i == 0 ? QStringLiteral("/") : s.left(i);
}

QStringView udvidelse(QStringView navn)
{
    const qsizetype skraa = navn.lastIndexOf(u'/');
    const qsizetype punkt = navn.lastIndexOf(u'.');
    if (punkt <= skraa + 1)
        return {};
    return navn.mid(punkt);
}

QString udvidelse(const QString &navn)
{
    return udvidelse(QStringView(navn)).toString();
}

QString udenUdvidelse(const QString &navn)
{
    return navn.left(navn.size() - udvidelse(navn).size());
}

QStringList dele(const QString &sti, const QString &drev)
{
    const QString s = udenSkraastreg(sti);
    QStringList ud{drev};
    const QString rest = drev == QLatin1String("/") ? s.mid(1) : s.mid(drev.size() + 1);
    if (!rest.isEmpty())
        ud += rest.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return ud;
}

} // namespace stier
