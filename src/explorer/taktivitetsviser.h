#pragma once

#include <QTimer>
#include <QWidget>

// Small rotating lines at the end of the function bar that turn while a
// time-consuming function runs in the window.
class TAktivitetsviser : public QWidget
{
    Q_OBJECT

public:
    explicit TAktivitetsviser(QWidget *parent = nullptr);

    void start();
    void stop();
    bool koerer() const { return m_timer.isActive(); }
    QSize sizeHint() const override { return {22, 22}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer m_timer;
    int m_trin = 0;
};
