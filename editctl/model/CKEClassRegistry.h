#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "editctl/model/WextlWin32.h"

// One registered window class, shaped like WNDCLASSA.
struct KEWindowClass {
    UINT style = 0;
    WNDPROC windowProc = nullptr;
    int classExtra = 0;
    int windowExtra = 0;
    int cursor = 0;                    // a system cursor id such as IDC_IBEAM
    int background = 0;                // a system colour index plus one, or 0
    HBRUSH backgroundBrush = nullptr;  // or a brush of the host's (then background is 0)
    std::string className;
    bool library = false;  // the library's own (KEDIT): a host cannot unregister it
};

// The library's window classes, by name (exact and case-sensitive). The window layer
// creates windows from the classes found here.
class CKEClassRegistry {
  public:
    // False if the class has no name or no procedure, or a class of that name exists.
    bool registerClass(const KEWindowClass& windowClass);
    bool isRegistered(const std::string& className) const;
    // Takes a host's class away; false for no such class or one of the library's.
    bool unregisterClass(const std::string& className);
    // A copy of the class, or false if none has that name.
    bool findClass(const std::string& className, KEWindowClass& out) const;

  private:
    mutable std::mutex m_mutex;
    std::vector<KEWindowClass> m_classes;
};
