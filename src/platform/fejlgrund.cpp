#include "platform/fejlgrund.h"

#include "core/beskeder.h"

#include <cerrno>

namespace fejlgrund {

QString grund(int fejlnummer)
{
    switch (fejlnummer) {
    case EACCES:
    case EPERM: return QStringLiteral("adgang nægtet");
    case EROFS: return QStringLiteral("drevet er skrivebeskyttet");
    case EBUSY: return QStringLiteral("elementet er i brug");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("der er ikke plads nok på drevet");
    case EFBIG: return QStringLiteral("filen er for stor til drevet");
    case ENOENT: return QStringLiteral("elementet findes ikke længere");
    case EEXIST: return QStringLiteral("navnet er optaget");
    case ENOTEMPTY: return QStringLiteral("mappen er ikke tom");
    case EISDIR: return QStringLiteral("elementet er en mappe");
    case ENOTDIR: return QStringLiteral("en del af stien er ikke en mappe");
    case ENAMETOOLONG: return QStringLiteral("stien er for lang");
    case ELOOP: return QStringLiteral("for mange lænker i stien");
    case EMFILE:
    case ENFILE: return QStringLiteral("for mange åbne mapper");
    case EIO: return QStringLiteral("læse- eller skrivefejl på drevet");
    case EXDEV: return QStringLiteral("elementet ligger på et andet drev");
    case EINVAL: return QStringLiteral("drevet tillader ikke handlingen");
    default: return QStringLiteral("systemfejl ") + QString::number(fejlnummer);
    }
}

QString saetning(int fejlnummer)
{
    switch (fejlnummer) {
    case 0: return beskeder::ukendtFejl();
    case EACCES:
    case EPERM: return QStringLiteral("Måske mangler der rettigheder dertil.");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("Der er ikke plads nok på drevet.");
    default: break;
    }
    QString s = grund(fejlnummer);
    s[0] = s[0].toUpper();
    return s + QLatin1Char('.');
}

} // namespace fejlgrund
