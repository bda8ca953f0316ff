#include "editctl/control/CKEditWindowData.h"

#include "editctl/control/KEditWindowProc.h"
#include "editctl/window/CKEWindowSystem.h"

CKEditWindowData::CKEditWindowData(CKEWindowSystem& system, HWND hwnd)
    : m_system(system), m_window(hwnd), m_host(system, hwnd, *this) {}

bool CKEditWindowData::alive() const { return KEditDataOf(m_window) == this; }

CKEditWindowData* KEditDataOf(HWND hwnd) {
    CKEWindowSystem* system = CKEWindowSystem::current();
    if (system == nullptr) {
        return nullptr;
    }
    CKEWindow* w = system->window(hwnd);
    if (w == nullptr || w->windowClass.windowProc != &KEditWindowProc) {
        return nullptr;
    }
    return reinterpret_cast<CKEditWindowData*>(system->getWindowLongPtr(hwnd, 0));
}
