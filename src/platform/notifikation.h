#pragma once

#include <QString>

#include <functional>

class QObject;

// Desktop notifications through the freedesktop notification service on the
// session bus. Nothing here waits: the call goes out asynchronously with a
// short timeout, and the answer arrives later through the event loop.
namespace notifikation {

struct Besked
{
    QString navn;         // the program's own name for it ("Marvikel 3"), sent as a hint
    QString overskrift;
    QString tekst;
    QString lydfil;       // a WAV file to sound with it; empty or missing for none
};

// How long a notification server may take to answer before the notification
// counts as not shown.
inline constexpr int svartidMs = 3000;

// Sends `besked`. When the server shows it but does not play sounds itself,
// the sound file is played here. `ikkeVist` is called, from the event loop
// and never before send() has returned, when no server took the
// notification (no session bus, no server, an error or no answer in time);
// it is dropped if `kontekst` is gone by then.
void send(const Besked &besked, QObject *kontekst, std::function<void()> ikkeVist);

// Plays a sound file with the first of pw-play, paplay and aplay found on
// PATH, without waiting for it. False when the file is missing or no player
// could be started.
bool spilLyd(const QString &fil);

} // namespace notifikation
