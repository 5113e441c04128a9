#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace ttl {

class Application;

// What `--record SCREEN FILE` records: an animated screen, its size and how long.
struct RecordingRequest {
    QString screen;
    QString file;         // .gif
    QSize size{640, 480}; // a slide's picture
    int seconds = 10;     // of the animation as it plays on screen
};

inline constexpr int LongestCommandLineRecording = 120; // seconds

// The screens with an animation to record, by the names --snapshot takes.
[[nodiscard]] QStringList RecordingScreens();

// Plays the screen's animation without windows and writes it as an animated GIF. Returns the exit
// status: 0 written, 2 for a screen without an animation or a size out of range, 1 when the file
// cannot be written (nothing is left behind). Messages go to standard error.
int TakeRecording(Application& app, const RecordingRequest& request);

} // namespace ttl
