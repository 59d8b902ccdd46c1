#include "explorer/ttraekogslip.h"

#include "core/stier.h"
#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tmetodecompo.h"
#include "engines/tstrukturcompo.h"
#include "explorer/tklipbordskommandoer.h"
#include "explorer/trammeforbindelse.h"
#include "explorer/tstiboks.h"
#include "explorer/tstifindernavigation.h"
#include "explorer/tstrukturvisning.h"
#include "explorer/twinform.h"
#include "platform/filinfo.h"
#include "platform/monteringer.h"
#include "platform/navnekode.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QTreeView>

namespace {

quint64 volumen(const QString &sti)
{
    return sti.isEmpty() ? 0 : montering::idOver(navnekode::kod(sti));
}

QUrl urlAf(const QString &sti)
{
    // The path's exact bytes, so a name that is not valid UTF-8 reaches
    // the other program as the same name.
    return QUrl(QStringLiteral("file://") + QString::fromLatin1(navnekode::procentKod(sti)), QUrl::StrictMode);
}

} // namespace

TTraekOgSlip::TTraekOgSlip(Twinform &vindue)
    : QObject(&vindue)
    , m_vindue(vindue)
{
    TStrukturVisning *v = vindue.visning();
    for (QWidget *w : {static_cast<QWidget *>(v->mappeStruktur()->viewport()),
                       static_cast<QWidget *>(v->filStruktur()->viewport()),
                       static_cast<QWidget *>(vindue.stiboks())}) {
        w->setAcceptDrops(true);
        w->installEventFilter(this);
    }
}

bool TTraekOgSlip::flyt(bool dragDropKopiering, quint64 kildeVolumen, quint64 maalVolumen)
{
    return !dragDropKopiering && kildeVolumen != 0 && kildeVolumen == maalVolumen;
}

bool TTraekOgSlip::erTrae(const QObject *kilde) const
{
    const TStrukturVisning *v = m_vindue.visning();
    return kilde && (kilde == v->mappeStruktur() || kilde == v->filStruktur());
}

QList<QUrl> TTraekOgSlip::begyndTraek(bool mappetrae)
{
    if (!m_vindue.funkTilladt())
        return {};
    TStrukturCompo *motor = m_vindue.motor();
    QList<QUrl> urls;
    if (mappetrae) {
        const TMappeModel *model = m_vindue.visning()->mappeModel();
        const QModelIndexList noder = model->valgteNoder();
        for (const QModelIndex &node : noder) {
            // A drive cannot be moved or copied as an element.
            if (model->rec(node).ID == IdDrev)
                return {};
        }
        motor->setAktiveStruktur(Trae::Mappe);
        for (const QModelIndex &node : noder) {
            const QString mappe = model->rec(node).mappe;
            if (filinfo::erMappe(mappe))
                urls.append(urlAf(mappe));
        }
    } else {
        motor->setAktiveStruktur(Trae::Fil);
        const TFilModel *model = m_vindue.visning()->filModel();
        for (int r : model->valgteRaekker()) {
            const StrukturRec &rec = model->raekke(r).rec;
            const QString sti = rec.ID == IdMappe ? rec.mappe : rec.filnavn;
            if (!sti.isEmpty() && filinfo::findes(sti))
                urls.append(urlAf(sti));
        }
    }
    if (!urls.isEmpty())
        m_drevKilde = volumen(motor->mappenavn());
    return urls;
}

void TTraekOgSlip::traekSlut()
{
    m_drevKilde = 0;
}

bool TTraekOgSlip::kanSlippe(Maal maal, const QObject *kilde, const QMimeData *data) const
{
    if (maal == Maal::Stiboks)
        return erTrae(kilde) && m_vindue.ramme().processCount() == 0;
    if (!m_vindue.funkTilladt())
        return false;
    if (erTrae(kilde))
        return true;
    // From another program: elements it carries as files.
    return kilde == nullptr && data && data->hasUrls() && m_vindue.kanRegistrere();
}

bool TTraekOgSlip::tilfoejElementer(const QObject *kilde, const QMimeData *data)
{
    if (erTrae(kilde)) {
        m_vindue.klipbordsKommandoer()->kopier(false);
        return true;
    }
    QStringList mapper, filer;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString sti = stier::udenSkraastreg(navnekode::dekod(QByteArray::fromPercentEncoding(
            url.toString(QUrl::FullyEncoded | QUrl::RemoveScheme | QUrl::RemoveAuthority).toLatin1())));
        if (filinfo::erMappe(sti))
            mapper.append(sti);
        else if (filinfo::findes(sti))
            filer.append(sti);
    }
    if (mapper.isEmpty() && filer.isEmpty())
        return false;
    m_vindue.registrerElementer(mapper, filer);
    return true;
}

void TTraekOgSlip::slip(Maal maal, const QPoint &punkt, const QObject *kilde, const QMimeData *data)
{
    if (!kanSlippe(maal, kilde, data) || !tilfoejElementer(kilde, data))
        return;
    const bool fraTrae = erTrae(kilde);
    TStrukturCompo *motor = m_vindue.motor();
    TStrukturVisning *v = m_vindue.visning();
    QString maalmappe;
    switch (maal) {
    case Maal::Mappetrae:
        maalmappe = motor->getFocusDirectory(v->mappeNodeVed(punkt));
        if (maalmappe.isEmpty())
            return;   // outside any folder: the elements stay in the copy lists
        motor->setAktiveStruktur(Trae::Mappe);
        break;
    case Maal::Filtrae:
        motor->setAktiveStruktur(Trae::Fil);
        maalmappe = motor->getFocusFilDirectory(v->filRaekkeVed(punkt));
        break;
    case Maal::Stiboks: {
        TStiboks *boks = m_vindue.stiboks();
        const int fane = boks->tabAt(punkt);
        if (fane < 0)
            return;
        boks->setCurrentIndex(fane);
        const QString sti = boks->getStien(fane);
        if (!filinfo::erMappe(sti))
            return;
        motor->setMappenavn(sti);
        motor->setAktiveStruktur(Trae::Mappe);
        m_vindue.navigation()->visIMappetrae(sti);
        m_vindue.mappeKontrol(motor->mappenavn(), true);
        v->mappeStruktur()->setFocus();
        maalmappe = motor->mappenavn();
        break;
    }
    }
    saetInd(maalmappe, fraTrae);
}

void TTraekOgSlip::saetInd(const QString &maalmappe, bool fraTrae)
{
    const bool kopiering = m_vindue.samlEgenskaber().dragDrop;
    // Elements from another program are always copied: their owner did
    // not give them up.
    m_sidsteFlyt = fraTrae && flyt(kopiering, m_drevKilde, volumen(maalmappe));
    m_vindue.metodeX()->setFlytElementer(m_sidsteFlyt);
    m_vindue.klipbordsKommandoer()->Paste();
}

void TTraekOgSlip::startDrag(bool mappetrae)
{
    const QList<QUrl> urls = begyndTraek(mappetrae);
    if (urls.isEmpty())
        return;
    TStrukturVisning *v = m_vindue.visning();
    QTreeView *trae = mappetrae ? static_cast<QTreeView *>(v->mappeStruktur()) : v->filStruktur();
    auto *data = new QMimeData;
    data->setUrls(urls);
    auto *drag = new QDrag(trae);
    drag->setMimeData(data);
    const QIcon billede = QApplication::style()->standardIcon(urls.size() == 1 ? QStyle::SP_FileIcon
                                                                               : QStyle::SP_DirIcon);
    drag->setPixmap(billede.pixmap(24, 24));
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    traekSlut();
}

bool TTraekOgSlip::eventFilter(QObject *objekt, QEvent *e)
{
    // Only the mouse and the drag touch the trees: other events also come
    // while the window is being taken down, when the trees are half gone.
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        break;
    default:
        return false;
    }
    TStrukturVisning *v = m_vindue.visning();
    const bool mappetrae = objekt == v->mappeStruktur()->viewport();
    const bool filtrae = objekt == v->filStruktur()->viewport();
    const Maal maal = mappetrae ? Maal::Mappetrae : filtrae ? Maal::Filtrae : Maal::Stiboks;
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto *m = static_cast<QMouseEvent *>(e);
        if (m->button() == Qt::LeftButton && (mappetrae || filtrae)) {
            m_trykPunkt = m->position().toPoint();
            m_trykKilde = objekt;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        m_trykKilde = nullptr;
        break;
    case QEvent::MouseMove: {
        auto *m = static_cast<QMouseEvent *>(e);
        if (m_trykKilde == objekt && (m->buttons() & Qt::LeftButton)
            && (m->position().toPoint() - m_trykPunkt).manhattanLength() >= QApplication::startDragDistance()) {
            m_trykKilde = nullptr;
            startDrag(mappetrae);
            return true;
        }
        break;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *d = static_cast<QDropEvent *>(e);
        if (kanSlippe(maal, d->source(), d->mimeData())) {
            d->setDropAction(erTrae(d->source()) ? Qt::MoveAction : Qt::CopyAction);
            d->accept();
        } else {
            d->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto *d = static_cast<QDropEvent *>(e);
        const QObject *kilde = d->source();
        if (!kanSlippe(maal, kilde, d->mimeData())) {
            d->ignore();
            return true;
        }
        d->setDropAction(erTrae(kilde) ? Qt::MoveAction : Qt::CopyAction);
        d->accept();
        // The paste asks questions and keeps the program alive: it runs
        // after the drop has returned to the system.
        const QPoint punkt = d->position().toPoint();
        QMimeData *kopi = new QMimeData;
        kopi->setUrls(d->mimeData()->urls());
        // The drag's source volume is kept for the paste: the drag itself
        // has ended by the time it runs.
        const QPointer<QObject> trae = erTrae(kilde) ? const_cast<QObject *>(kilde) : nullptr;
        const quint64 drevKilde = m_drevKilde;
        QMetaObject::invokeMethod(
            this,
            [this, maal, punkt, kopi, trae, drevKilde] {
                m_drevKilde = drevKilde;
                if (!trae || erTrae(trae))
                    slip(maal, punkt, trae, kopi);
                m_drevKilde = 0;
                delete kopi;
            },
            Qt::QueuedConnection);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(objekt, e);
}
