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
    // explorer and translating frame: STEP pressed this many times; animations: the frames
    // played, all of them when 0
    int steps = 0;
    bool rotatingFrame = false; // explorer and derivation: the rotating observer
    int page = 0;               // derivation: the page
};

// The screens a snapshot can show, by readable names, in the order the program reaches them.
QStringList SnapshotScreens();

// The screens' names with a few words on each, in the language installed, for --help.
QString SnapshotScreensHelp();

// Why `screen` is no screen, listing the screens; empty for a screen there is.
QString UnknownScreenRefusal(const QString& screen);

// Renders the screen offscreen and writes the file. Returns the exit status: 0 written, 2 for an
// unknown screen or a size out of range, 1 when the file cannot be written; nothing is left
// behind on failure. Messages go to standard error; a picture for "-" goes to `out`.
int TakeSnapshot(Application& app, const SnapshotRequest& request, std::ostream& out = std::cout);

} // namespace ttl
