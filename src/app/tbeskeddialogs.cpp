#include "app/tbeskeddialogs.h"


#include <QCheckBox>

#include <memory>
#include <utility>

namespace {

// The shared window when it is free; otherwise a window made for this one
// message, which the caller's holder deletes afterwards.
template<typename Vindue>
Vindue *ledigtVindue(Vindue *faelles, QWidget *parent, std::unique_ptr<Vindue> &midlertidigt)
{
    if (faelles && !faelles->isVisible())
        return faelles;
    midlertidigt = std::make_unique<Vindue>(parent);
    return midlertidigt.get();
}

} // namespace

TBeskedDialogs::TBeskedDialogs(QWidget *parent)
    : m_parent(parent)
{
}

Tinfform *TBeskedDialogs::infform() const
{
    if (!std::exchange(m_infformLavet, true))
        m_infform = new Tinfform(m_parent);
    return m_infform;
}

Tspform *TBeskedDialogs::spform() const
{
    if (!std::exchange(m_spformLavet, true))
        m_spform = new Tspform(m_parent);
    return m_spform;
}

TBeskedDialogs::~TBeskedDialogs()
{
    // The parent may already have deleted them; QPointer knows.
    delete m_infform.data();
    delete m_spform.data();
}

void TBeskedDialogs::inform(const QString &tekst)
{
    std::unique_ptr<Tinfform> midlertidigt;
    Tinfform *vindue = ledigtVindue<Tinfform>(infform(), m_parent, midlertidigt);
    vindue->insertTekst(tekst);
    vindue->exec();
}

bool TBeskedDialogs::ask(const QString &tekst, bool visAlleCheck, bool *alle)
{
    std::unique_ptr<Tspform> midlertidigt;
    Tspform *vindue = ledigtVindue<Tspform>(spform(), m_parent, midlertidigt);
    vindue->alleCheck->setVisible(visAlleCheck);
    vindue->insertTekst(tekst);
    const bool ja = vindue->exec() == QDialog::Accepted;
    if (alle)
        *alle = visAlleCheck && vindue->alleCheck->isChecked();
    return ja;
}
