#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

class Dialogs;

// The date folder of a day: calendar folder / year / "MM Månedsnavn" /
// "dd Ugedag". Made on demand, so only the days the user asked for get one.
namespace datomappe {

// The day folder's path, without touching the disk.
QString sti(const QString &kalenderMappe, const QDate &dato);

struct Kaede
{
    // The drive of the calendar folder (when it lies on a shown drive), the
    // calendar folder, and the year, month and day folders.
    QStringList mapper;
    QString dagsmappe;
};

// Creates the year, month and day folders that are missing, in that order;
// folders that exist are kept as they are. The calendar folder itself must
// exist: it may be a chosen folder on a volume that is not mounted now, and
// nothing is created where that volume would be. Every failure is told and
// gives nothing.
std::optional<Kaede> opret(const QString &kalenderMappe, const QDate &dato, Dialogs &dialogs);

} // namespace datomappe
