#include "engines/tekstsoegning/linjebryder.h"

#include <QTextLayout>

QFont Linjebryder::dokumentSkrift()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(12);
    return f;
}

Linjebryder::Linjebryder()
    : m_skrift(dokumentSkrift())
{
    m_valg.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

Linjebryder::~Linjebryder() = default;

void Linjebryder::setAfsnit(const QString &afsnit)
{
    m_afsnit = afsnit;
    m_layout = std::make_unique<QTextLayout>(m_afsnit, m_skrift);
    m_layout->setTextOption(m_valg);
    m_layout->setCacheEnabled(false);
    m_layout->beginLayout();
    m_lagtUd = 0;
}

QString Linjebryder::linjeVed(int position)
{
    if (!m_layout)
        return {};
    // The layout stays open so a later hit in the same paragraph goes on
    // from the last line made.
    while (m_lagtUd <= position && m_lagtUd < m_afsnit.size()) {
        QTextLine l = m_layout->createLine();
        if (!l.isValid())
            break;
        l.setLineWidth(Bredde - 2 * Margin);
        if (l.textLength() == 0)
            break;
        m_lagtUd = l.textStart() + l.textLength();
    }
    for (int i = m_layout->lineCount() - 1; i >= 0; --i) {
        const QTextLine l = m_layout->lineAt(i);
        if (l.textStart() <= position)
            return m_afsnit.mid(l.textStart(), l.textLength());
    }
    return m_afsnit;
}
