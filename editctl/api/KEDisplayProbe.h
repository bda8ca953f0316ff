#pragma once

#include <string>

// Whether a Qt platform can start in this process, asked before the library makes its own
// QApplication: Qt aborts the process when it finds no display, and a host must get a
// failed CreateWindow instead. A platform named in QT_QPA_PLATFORM is taken at its word;
// otherwise a Wayland or X11 display must accept a connection. `reason` says why not.
bool KEPlatformCanStart(std::string& reason);
