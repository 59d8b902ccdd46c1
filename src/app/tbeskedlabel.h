#pragma once

#include <QLabel>
#include <QStringList>

class QFont;

// The text label of the message windows. It wraps like a word-wrapped label,
// but a word wider than the label (typically a long path) is broken where it
// must instead of running off the edge, and every hard line break counts:
// "\r", "\n" and "\r\n" each start a new line, and a text that ends in a break
// shows an empty last line. Its height is whole lines of the font's line
// spacing, so the window sized from it grows by exact text lines.
class TBeskedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TBeskedLabel(QWidget *parent = nullptr);

    // The lines the text is shown as at the given width, each an exact piece
    // of the text (spaces where a line wrapped stay at the end of that line).
    // An empty text or an empty paragraph gives one empty line.
    static QStringList ombrudteLinjer(const QString &tekst, const QFont &font, int bredde);

    // The height the current text needs at the given width in the label's font.
    int hoejdeVedBredde(int bredde) const;

    int heightForWidth(int bredde) const override;
    bool hasHeightForWidth() const override { return true; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
