#include "explorer/tsoegetaster.h"

#include <QApplication>

TSoegeTaster::Soegning TSoegeTaster::tast(const QString &tegn)
{
    const bool fortsaetter
        = m_sidst.isValid() && !tegn.isEmpty() && m_sidst.elapsed() < QApplication::keyboardInputInterval();
    m_sidst.start();
    if (!fortsaetter) {
        m_input = tegn;
        return {m_input, true};
    }
    m_input += tegn;
    // "aaa" steps through the names starting with "a" rather than looking
    // for a name starting with "aaa".
    if (m_input.count(m_input.back()) == m_input.size())
        return {QString(m_input.front()), true};
    return {m_input, false};
}
