#pragma once

#include <QObject>

// Turns the signals that end the program into Qt signals on the
// user-interface thread, so the main window can stop its work, save its
// settings and close normally: SIGTERM (log-out, shutdown) and SIGHUP (the
// terminal gone) end the session, and nobody is there to answer a question;
// SIGINT (Ctrl+C in the terminal) is a request to close, like the window's
// close box. SIGXFSZ is ignored, so a file size limit makes a write fail
// instead of killing the program.
class TAfslutningsSignal : public QObject
{
    Q_OBJECT

public:
    // Installs the handlers once and returns the one instance (owned by the
    // application object). Call from the user-interface thread after the
    // QCoreApplication is created.
    static TAfslutningsSignal *installer();

    ~TAfslutningsSignal() override;

signals:
    void sessionSlut();
    void lukOensket();

private:
    explicit TAfslutningsSignal(QObject *parent);
    void laesSignaler();
};
