#include "core/dansk.h"

namespace dansk {

QLocale locale()
{
    return QLocale(QLocale::Danish, QLocale::Denmark);
}

QString heltal(qint64 tal)
{
    return locale().toString(tal);
}

QString decimaltal(double tal, int decimaler)
{
    return locale().toString(tal, 'f', decimaler);
}

QChar foldAZ(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? QChar(char16_t(u + (u'a' - u'A'))) : c;
}

QString foldAZ(const QString &tekst)
{
    QString out = tekst;
    for (QChar &c : out)
        c = foldAZ(c);
    return out;
}

int sammenlignAZ(const QString &a, const QString &b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = foldAZ(a.at(i)).unicode();
        const char16_t y = foldAZ(b.at(i)).unicode();
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool ensAZ(const QString &a, const QString &b)
{
    return a.size() == b.size() && sammenlignAZ(a, b) == 0;
}

bool begynderMed(const QString &navn, const QString &begyndelse)
{
    const QString n = navn.normalized(QString::NormalizationForm_C).toCaseFolded();
    const QString b = begyndelse.normalized(QString::NormalizationForm_C).toCaseFolded();
    if (!n.startsWith(b))
        return false;
    return n.size() == b.size() || !n.at(b.size()).isMark();
}

QCollator navneorden()
{
    QCollator orden(locale());
    orden.setNumericMode(true);
    return orden;
}

void sorterNavne(QStringList &navne)
{
    std::vector<QString> v(navne.begin(), navne.end());
    sorterEfterNavn(v, 0, [](const QString &n) -> const QString & { return n; });
    navne = QStringList(v.begin(), v.end());
}

} // namespace dansk
