#pragma once

#include "testmappe.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QtGlobal>

#include <optional>
#include <vector>

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
    {
        QVERIFY2(m_dir.isValid(), qPrintable(m_dir.errorString()));
        saet("HOME", m_dir.path());
        saet("XDG_CONFIG_HOME", m_dir.path() + "/.config");
        saet("XDG_DATA_HOME", m_dir.path() + "/.local/share");
    }
    // Every variable gets back what it had, unset where it was unset; the
    // folder goes with the fixture.
    ~MidlertidigHjem()
    {
        for (auto it = m_gamle.crbegin(); it != m_gamle.crend(); ++it) {
            if (it->second)
                qputenv(it->first, *it->second);
            else
                qunsetenv(it->first);
        }
    }
    MidlertidigHjem(const MidlertidigHjem &) = delete;
    MidlertidigHjem &operator=(const MidlertidigHjem &) = delete;
    QString sti() const { return m_dir.path(); }

private:
    void saet(const char *navn, const QString &vaerdi)
    {
        m_gamle.push_back({navn, qEnvironmentVariableIsSet(navn) ? std::optional(qgetenv(navn)) : std::nullopt});
        qputenv(navn, vaerdi.toUtf8());
    }

    Testmappe m_dir;
    std::vector<std::pair<const char *, std::optional<QByteArray>>> m_gamle;
};
