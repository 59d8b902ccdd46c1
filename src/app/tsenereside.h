#pragma once

#include <QWidget>

#include <functional>

// A page of a tab book whose content is built the first time the page is
// shown or the content is asked for. A window that opens builds only the
// pages the user sees; the rest cost nothing until they are chosen.
class TSenereSide : public QWidget
{
public:
    using Bygger = std::function<QWidget *()>;
    using Efter = std::function<void(QWidget *)>;

    // `byg` only makes the content; `efter` is called once the content is
    // in place and may ask for it again through indhold().
    explicit TSenereSide(Bygger byg, Efter efter = {}, QWidget *parent = nullptr);

    // The page's content, built now if it was not yet.
    QWidget *indhold();
    bool erBygget() const { return m_indhold != nullptr; }

protected:
    void showEvent(QShowEvent *e) override;

private:
    Bygger m_byg;
    Efter m_efter;
    QWidget *m_indhold = nullptr;
};
