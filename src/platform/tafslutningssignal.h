#pragma once

#include <QObject>

// Turns the signals that end a session (SIGTERM at log-out or shutdown,
// SIGHUP when the terminal goes, SIGINT for Ctrl+C) into the Qt signal
// afslut() on the user-interface thread, so the main window can close
// normally and save its settings. SIGXFSZ is ignored, so a file size limit
// makes a write fail instead of killing the program.
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
    void afslut();

private:
    explicit TAfslutningsSignal(QObject *parent);
    void laesSignaler();
};
