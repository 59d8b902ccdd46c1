#include "engines/treopenfiler.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "platform/filinfo.h"
#include "platform/tekstfil.h"

#include <QFileInfo>

TReopenFiler::TReopenFiler(Dialogs *dialogs, QObject *parent)
    : QAbstractListModel(parent)
    , m_dialogs(dialogs)
    , m_valg(new QItemSelectionModel(this, this))
{
}

int TReopenFiler::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : antal();
}

QVariant TReopenFiler::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= antal())
        return {};
    const TReopenRec &p = m_poster.at(index.row());
    switch (role) {
    case Qt::DisplayRole: return p.caption;
    case Qt::ToolTipRole:
    case StiRolle: return p.sti;
    case MappelisteRolle: return FItemtype != itFil;
    default: return {};
    }
}

bool TReopenFiler::HentReopenFiler()
{
    beginResetModel();
    m_poster.clear();
    // A file that is there but cannot be read was told to the user by the
    // reader; it counts as found, and the list stays empty.
    tekstfil::Laesning status = tekstfil::Laesning::Mangler;
    if (!FItemfile.isEmpty()) {
        const QStringList linjer = tekstfil::hent(FItemfile, tekstfil::Art::Liste, &status);
        for (qsizetype i = 0; i < linjer.size(); i += 2)
            m_poster.append({linjer.at(i), i + 1 < linjer.size() ? linjer.at(i + 1) : QString()});
    }
    endResetModel();
    return status != tekstfil::Laesning::Mangler;
}

bool TReopenFiler::GemReopenFiler()
{
    if (FItemfile.isEmpty())
        return true;
    QStringList linjer;
    linjer.reserve(m_poster.size() * 2);
    for (const TReopenRec &p : m_poster)
        linjer << p.caption << p.sti;
    const tekstfil::Skrivning s = tekstfil::skriv(FItemfile, linjer);
    if (s != tekstfil::Skrivning::Fejl)
        return s == tekstfil::Skrivning::Skrevet;
    inform(QStringLiteral("Listen kunne ikke gemmes i:\r") + FItemfile);
    return false;
}

QString TReopenFiler::GetCaption(int index) const
{
    return index >= 0 && index < antal() ? m_poster.at(index).caption : QString();
}

QString TReopenFiler::GetFilnavn(int index) const
{
    return index >= 0 && index < antal() ? m_poster.at(index).sti : QString();
}

QStringList TReopenFiler::stier() const
{
    QStringList ud;
    ud.reserve(m_poster.size());
    for (const TReopenRec &p : m_poster)
        ud.append(p.sti);
    return ud;
}

bool TReopenFiler::flytOp(int index)
{
    if (index <= 0 || index >= antal())
        return false;
    m_poster.swapItemsAt(index, index - 1);
    return true;
}

bool TReopenFiler::flytNed(int index)
{
    if (index < 0 || index >= antal() - 1)
        return false;
    m_poster.swapItemsAt(index, index + 1);
    return true;
}

void TReopenFiler::DeleteItem(int index)
{
    if (index < 0 || index >= antal())
        return;
    beginRemoveRows({}, index, index);
    m_poster.removeAt(index);
    endRemoveRows();
    gemHvisAendret();
}

void TReopenFiler::DeleteItem(const QString &sti, bool Opdater)
{
    const int i = findSti(sti);
    if (i < 0)
        return;
    if (Opdater) {
        DeleteItem(i);
        return;
    }
    // Without Opdater the list box is left as it is until the next rebuild.
    m_poster.removeAt(i);
    gemHvisAendret();
}

bool TReopenFiler::SletAlleItems()
{
    if (!m_dialogs || !m_dialogs->ask(QStringLiteral("Skal alle indførte elementer i listen slettes?")))
        return false;
    DeleteAlleItems();
    return true;
}

void TReopenFiler::DeleteAlleItems()
{
    beginResetModel();
    m_poster.clear();
    endResetModel();
    gemHvisAendret();
}

void TReopenFiler::MakeListeMenu()
{
    beginResetModel();
    endResetModel();
}

int TReopenFiler::valgtLinje() const
{
    const QModelIndex i = m_valg->currentIndex();
    if (i.isValid() && m_valg->isSelected(i))
        return i.row();
    const QModelIndexList valgte = m_valg->selectedIndexes();
    return valgte.isEmpty() ? -1 : valgte.first().row();
}

void TReopenFiler::vaelgLinje(int linje)
{
    if (linje < 0 || linje >= antal()) {
        m_valg->clear();
        return;
    }
    m_valg->setCurrentIndex(index(linje), QItemSelectionModel::ClearAndSelect);
}

bool TReopenFiler::findes(int linje) const
{
    const QString sti = GetFilnavn(linje);
    switch (FItemtype) {
    case itFil: return filinfo::erFil(sti) && !filinfo::erMappe(sti);
    case itBibliotek: return filinfo::erMappe(sti);
    default: return linje >= 0 && linje < antal();
    }
}

bool TReopenFiler::listeKlik()
{
    return klik(false);
}

bool TReopenFiler::dblListeKlik()
{
    return klik(true);
}

bool TReopenFiler::klik(bool dobbelt)
{
    const int linje = valgtLinje();
    if (linje < 0)
        return false;
    if (!findes(linje)) {
        if (FItemtype == itFil)
            inform(QStringLiteral("Filen blev ikke fundet.\rSlet eventuelt elementet fra listen."));
        else if (FItemtype == itBibliotek)
            inform(QStringLiteral("Mappen blev ikke fundet.\rSlet eventuelt elementet fra listen."));
        return false;
    }
    const TReopenRec &p = m_poster.at(linje);
    if (dobbelt)
        emit onDblListeKlik(p.caption, p.sti);
    else
        emit onListeKlik(p.caption, p.sti);
    return true;
}

bool TReopenFiler::afvisLinjeskift(const QString &sti, const QString &caption) const
{
    auto harSkift = [](const QString &s) { return s.contains(u'\n') || s.contains(u'\r'); };
    if (!harSkift(sti) && !harSkift(caption))
        return false;
    inform(QStringLiteral("Elementet kan ikke indsættes i listen, fordi navnet eller teksten indeholder et linjeskift."));
    return true;
}

bool TReopenFiler::maaIndsaettes(const QString &sti) const
{
    if (FItemtype == itFil && (!filinfo::erFil(sti) || filinfo::erMappe(sti)))
        return false;
    return true;
}

int TReopenFiler::findSti(const QString &sti) const
{
    for (int i = 0; i < antal(); ++i)
        if (m_poster.at(i).sti == sti)
            return i;
    return -1;
}

void TReopenFiler::gemHvisAendret()
{
    if (gemVedAendring())
        GemReopenFiler();
}

void TReopenFiler::inform(const QString &tekst) const
{
    if (m_dialogs)
        m_dialogs->inform(tekst);
}
