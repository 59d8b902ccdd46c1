#pragma once

#include <QObject>

#include <functional>

class QWidget;

// The hint rule of the frame's child windows, inside the frame or free:
// their pop-up hints show only while a time-consuming function runs and
// "Vis hints" is checked; at all other times they show none. Their status
// tips always reach the frame's status line, also from a free window,
// where they would otherwise stop. The frame's own controls are not
// touched. Installed once on the application.
class THintregel : public QObject
{
    Q_OBJECT

public:
    // `visHints`: whether child windows show pop-up hints now.
    explicit THintregel(std::function<bool()> visHints, QObject *parent = nullptr);

    // The status line's hint handler.
    std::function<void(const QString &hint)> hintInfo;

    // The child window a widget belongs to, or null for the frame's own.
    static QWidget *barnevindue(QWidget *w);
    // Whether a pop-up hint of `w` may show now.
    bool maaVise(QWidget *w) const;

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    std::function<bool()> m_visHints;
};
