#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QFile;

// What the file system says about one path, asked with the path's exact
// bytes so that names that are not valid UTF-8 are found too.
namespace filinfo {

bool findes(const QString &sti);      // any entry, links not followed
bool erMappe(const QString &sti);     // a folder, or a link to one
bool erFil(const QString &sti);       // exists and is not a folder (a dangling link counts)
bool erLink(const QString &sti);      // a symbolic link itself

// erMappe and erFil in one question: Mappe where erMappe is true, Fil where
// erFil is true and erMappe is not, else Ingen.
enum class Art { Ingen, Fil, Mappe };
Art art(const QString &sti);
// art() of every path, in the same order; a long list is asked on two threads.
std::vector<Art> arter(const QStringList &stier);

// The size of a file (links followed); -1 when it cannot be asked.
qint64 stoerrelse(const QString &sti);

// What the file tree shows beside a name: the size and the time of the
// last change (milliseconds since the epoch), links followed; a dangling
// link shows the link itself. `kendt` is false when neither could be asked.
struct Detaljer
{
    qint64 stoerrelse = 0;
    qint64 aendret = 0;
    bool kendt = false;
};
Detaljer detaljer(const QString &sti);

// A fixed number of details, each zero (not read) until written. The memory
// comes zeroed from the system, so a big folder's array costs neither time
// nor memory for the rows no one looks at: its pages are first touched when
// a row's details are read.
class DetaljeListe
{
public:
    DetaljeListe() = default;
    explicit DetaljeListe(size_t antal);
    DetaljeListe(DetaljeListe &&a) noexcept
        : m_data(std::move(a.m_data)), m_antal(std::exchange(a.m_antal, 0)) {}
    DetaljeListe &operator=(DetaljeListe &&a) noexcept
    {
        m_data = std::move(a.m_data);
        m_antal = std::exchange(a.m_antal, 0);
        return *this;
    }

    size_t size() const { return m_antal; }
    bool empty() const { return m_antal == 0; }
    Detaljer &operator[](size_t i) { return m_data[i]; }
    const Detaljer &operator[](size_t i) const { return m_data[i]; }

private:
    struct Frigiv
    {
        void operator()(Detaljer *p) const;
    };
    std::unique_ptr<Detaljer[], Frigiv> m_data;
    size_t m_antal = 0;
};

// The same for many names of one folder, asked through the folder's own
// descriptor so that the path is not looked up again for every name.
// `navn(i)` gives the i-th name; it is called from two threads at once for
// a big folder, so it must only read.
DetaljeListe detaljerI(const QString &mappe, size_t antal, const std::function<QStringView(size_t)> &navn);

// One element looked at as itself: whether it is a link, and its size
// with links followed (-1 for a link that leads nowhere). Nullopt when
// there is no element by that name.
struct Element
{
    bool link = false;
    qint64 stoerrelse = -1;
};
std::optional<Element> element(const QString &sti);

// Device and inode: what makes an element the same element whatever its name.
struct Id
{
    quint64 enhed = 0;
    quint64 inode = 0;
};
std::optional<Id> id(const QString &sti, bool foelgLink);

// 0 for a folder; otherwise the system's error number (ENOTDIR for an
// element that is not a folder).
int mappeFejl(const QString &sti);

// Creates the one folder `sti` (0777 less the umask); Findes when the name
// is taken, which a caller looking for a free name tries again after.
enum class Oprettelse { Ok, Findes, Fejl };
Oprettelse opretMappe(const QString &sti);

// Opens a regular file for reading. A pipe or device where a file should be
// is refused before it could block; a link is followed to its file. The
// file's size at opening is given in `stoerrelse`.
bool aabnFil(const QString &sti, QFile &fil, qint64 *stoerrelse = nullptr);

} // namespace filinfo
