#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QTextOption>

#include <array>
#include <memory>
#include <vector>

class QTextLayout;

// The wrapped line of a paragraph that holds a position, as the text
// control shows it: the document font, 400 pixels wide (less the document
// margin on each side), broken after blanks and, for a word longer than
// the line, anywhere.
//
// Laying out a paragraph with QTextLayout shapes all of it, which costs far
// more than finding the hit. Most paragraphs hold only Latin-1 letters,
// digits, blanks and plain punctuation; for those the lines are computed
// here from each character's advance, the kerning of each pair and the
// right bearing of the last glyph, taken from the font once and kept, with
// the same decisions the layout makes (QTextLine: a run of blanks is where
// a line may end, and a word goes to the next line when it, with the
// blanks before it and its last glyph's overhang, would pass the width).
// Every other paragraph, and every decision that lands within a hair of
// the width, is handed to QTextLayout itself, so the lines are always the
// layout's own. Lines are made only as far as asked.
class Linjebryder
{
public:
    static constexpr qreal Bredde = 400;
    static constexpr qreal Margin = 4;   // the text document's own margin

    // The font of the documents searched: fixed, so the lines found are
    // the same on every machine that has it.
    static QFont dokumentSkrift();

    Linjebryder();
    ~Linjebryder();

    // Starts on a new paragraph (its text without the line break).
    void setAfsnit(const QString &afsnit);
    // The line of the current paragraph that holds `position` (counted
    // from the start of the paragraph), trailing blanks included.
    QString linjeVed(int position);

    // Whether the last paragraph was wrapped by the layout itself (for
    // tests that must see both ways taken).
    bool brugteLayout() const { return m_layout != nullptr; }

private:
    struct Linje
    {
        int fra;
        int laengde;   // trailing blanks included
    };

    bool enkelt(const QString &afsnit) const;
    int fremrykning(int i);           // advance of character i with the kerning to the next, 1/64 px
    int hoejreBaering(char16_t c);    // the overhang past the advance, 1/64 px, >= 0
    bool naesteLinje();               // false: handed over to the layout
    void brugLayout();
    QString layoutLinje(int position);

    QFont m_skrift;
    QFontMetricsF m_maal;
    QTextOption m_valg;
    int m_mindsteBaering;             // the font's largest overhang, 1/64 px

    // Kept across paragraphs: widths of the Latin-1 characters and pairs
    // met so far (-1: not yet measured).
    std::array<int, 256> m_bredde;
    std::array<int, 256> m_baering;
    std::vector<int> m_kerning;       // 256 x 256

    QString m_afsnit;
    std::vector<Linje> m_linjer;      // made so far
    int m_naesteFra = 0;
    std::unique_ptr<QTextLayout> m_layout;
    int m_lagtUd = 0;                 // characters covered by the layout's lines so far
};
