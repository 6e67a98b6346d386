#pragma once

// Starts the viewer: the main window, the files named on the command line,
// the event loop. Returns the exit status.
int RunViewer(int argc, char** argv);
