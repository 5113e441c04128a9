#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <iostream>

namespace ttl {

class Application;

// What `--snapshot SCREEN FILE` draws: a screen or graph window, its size, and how far the motion
// has gone first.
struct SnapshotRequest {
    QString screen;
    QString file; // .png, or .svg; "-" is PNG on standard output
    QSize size{1366, 768};
    int steps = 0;              // explorer and translating frame: STEP pressed this many times
    bool rotatingFrame = false; // explorer and derivation: the rotating observer
    int page = 0;               // derivation: the page
};

// The screens a snapshot can show, by their windows' names ("derivation" is the explorer's
// guided derivation).
QStringList SnapshotScreens();

// Renders the screen offscreen and writes the file. Returns the exit status: 0 written, 2 for an
// unknown screen or a size out of range, 1 when the file cannot be written; nothing is left
// behind on failure. Messages go to standard error; a picture for "-" goes to `out`.
int TakeSnapshot(Application& app, const SnapshotRequest& request, std::ostream& out = std::cout);

} // namespace ttl
