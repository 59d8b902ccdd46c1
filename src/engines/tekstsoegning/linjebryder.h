#pragma once

#include <QFont>
#include <QString>
#include <QTextOption>

#include <memory>

class QTextLayout;

// The wrapped line of a paragraph that holds a position, as the text
// control shows it: the document font, 400 pixels wide (less the document
// margin on each side), broken at word boundaries and, for a word longer
// than the line, anywhere. Lines are laid out only as far as asked, so a
// hit early in a very long paragraph costs only the lines before it.
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

private:
    QFont m_skrift;
    QTextOption m_valg;
    QString m_afsnit;
    std::unique_ptr<QTextLayout> m_layout;
    int m_lagtUd = 0;   // characters covered by the lines made so far
};
