#pragma once

#include <string>

// What the main view reads of the run's settings. The application owns the record and
// changes it (the model question, the port dialog); the view reads it at each use.
struct ViewSettings {
    int m_dotsPerMm = 0;     // of the model chosen at start-up
    std::string m_comPort;   // of every printer operation: "COM1".."COM20" or a device path
    std::string m_helpPath;  // the operator's help page
};
