#pragma once

#include "testmappe.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QtGlobal>

// Every test runs with the Danish locale and, when asked, a temporary HOME so
// that nothing touches the real user's files.
inline void saetDanskLocale()
{
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
}

class MidlertidigHjem
{
public:
    MidlertidigHjem()
        : m_gammelt(qgetenv("HOME"))
    {
        qputenv("HOME", m_dir.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_dir.path() + "/.config").toUtf8());
        qputenv("XDG_DATA_HOME", (m_dir.path() + "/.local/share").toUtf8());
    }
    ~MidlertidigHjem() { qputenv("HOME", m_gammelt); }
    QString sti() const { return m_dir.path(); }

private:
    Testmappe m_dir;
    QByteArray m_gammelt;
};
