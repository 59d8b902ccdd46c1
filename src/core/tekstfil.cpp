#include "core/tekstfil.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringDecoder>

namespace tekstfil {

QString dekod(const QByteArray &bytes)
{
    if (auto bom = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*bom, QStringConverter::Flag::ConvertInitialBom);
        QString text = decoder.decode(bytes);
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fraWindows1252(bytes);
}

QString fraWindows1252(const QByteArray &bytes)
{
    QStringDecoder cp1252("windows-1252");
    if (cp1252.isValid())
        return cp1252.decode(bytes);
    return QString::fromLatin1(bytes);
}

QStringList splitLinjer(const QString &tekst)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(tekst.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && tekst.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(tekst.mid(start));
    return lines;
}

QByteArray kod(const QStringList &linjer)
{
    QByteArray out;
    for (const QString &line : linjer) {
        out += line.toUtf8();
        out += "\r\n";
    }
    return out;
}

QStringList hent(const QString &filnavn, Laesning *status)
{
    QFile file(filnavn);
    if (!file.exists()) {
        if (status)
            *status = Laesning::Mangler;
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (status)
            *status = Laesning::Fejl;
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (status)
        *status = file.error() == QFileDevice::NoError ? Laesning::Ok : Laesning::Fejl;
    return splitLinjer(dekod(bytes));
}

bool gemBytes(const QString &filnavn, const QByteArray &data)
{
    QSaveFile file(filnavn);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile::commit() can report success after a failed final flush, so
    // every step is checked before the rename is allowed to happen.
    if (file.write(data) != data.size() || !file.flush()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

bool gem(const QString &filnavn, const QStringList &linjer)
{
    return gemBytes(filnavn, kod(linjer));
}

} // namespace tekstfil
