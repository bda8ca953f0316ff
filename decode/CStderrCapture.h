#pragma once

#include <string>

// For the time of its life, takes what the process writes to standard error (file
// descriptor 2) into a memory file: libpng and libtiff print their errors there themselves,
// past Qt's message handler. Text() gives what was written, Release() puts the terminal back.
// One capture at a time, on the thread that decodes.
class CStderrCapture {
  public:
    CStderrCapture();
    ~CStderrCapture();
    CStderrCapture(const CStderrCapture&) = delete;
    CStderrCapture& operator=(const CStderrCapture&) = delete;

    // Restores standard error; afterwards Text() holds what was captured (at most 4 KB,
    // lines joined by "; ").
    void Release();
    const std::string& Text() const { return m_text; }

  private:
    int m_saved = -1;
    int m_capture = -1;
    std::string m_text;
};
