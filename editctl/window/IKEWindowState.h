#pragma once

// What a window procedure keeps for one of its windows (a control's record). The window
// system owns it from the moment the procedure hands it over and frees it with the window's
// record: after WM_NCDESTROY, once no dispatch for the window is left on the stack, so a
// handler that a host destroyed its window under still finds its own record intact.
class IKEWindowState {
  public:
    virtual ~IKEWindowState() = default;
};
