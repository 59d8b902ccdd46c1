#pragma once

#include <QObject>
#include <QPoint>
#include <QUrl>

class QDropEvent;
class QMimeData;
class Twinform;

// Drag and drop in an explorer window. Elements dragged from either tree
// onto a folder of either tree, or onto a tab of the path box, go into the
// copy lists and are pasted there: moved when source and target lie on the
// same volume, copied otherwise or when "Anvend Drag-Drop-kopiering" is
// checked. A drag carries the elements as a URI list, so another program
// can take them; elements dropped from another program onto a folder of a
// tree are copied into it (the paste asks as a paste asks).
class TTraekOgSlip : public QObject
{
    Q_OBJECT

public:
    explicit TTraekOgSlip(Twinform &vindue);

    // The drag rule: move exactly when the drop is not told to copy and
    // source and target are the same volume (both known).
    static bool flyt(bool dragDropKopiering, quint64 kildeVolumen, quint64 maalVolumen);

    // Starting a drag from a tree: the elements it carries, or none when
    // the drag is refused (the window is busy, or a drive node of the
    // folder tree is selected).
    QList<QUrl> begyndTraek(bool mappetrae);
    void traekSlut();

    enum class Maal { Mappetrae, Filtrae, Stiboks };
    // Whether a drag from `kilde` (null: another program) may be dropped on `maal`.
    bool kanSlippe(Maal maal, const QObject *kilde, const QMimeData *data) const;
    // The drop at `punkt` (in the target's own coordinates for the path
    // box, in viewport coordinates for the trees).
    void slip(Maal maal, const QPoint &punkt, const QObject *kilde, const QMimeData *data);

    // The move flag the last drop used.
    bool sidsteFlyt() const { return m_sidsteFlyt; }

protected:
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    bool erTrae(const QObject *kilde) const;
    void startDrag(bool mappetrae);
    bool tilfoejElementer(const QObject *kilde, const QMimeData *data);
    void saetInd(const QString &maalmappe, bool fraTrae);

    Twinform &m_vindue;
    QPoint m_trykPunkt;
    QObject *m_trykKilde = nullptr;
    quint64 m_drevKilde = 0;
    bool m_sidsteFlyt = false;
};
