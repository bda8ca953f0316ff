#include "editctl/model/CKEClassRegistry.h"

#include <algorithm>

bool CKEClassRegistry::registerClass(const KEWindowClass& windowClass) {
    if (windowClass.className.empty() || windowClass.windowProc == nullptr) {
        return false;
    }
    std::lock_guard lock(m_mutex);
    const auto same = [&](const KEWindowClass& c) { return c.className == windowClass.className; };
    if (std::any_of(m_classes.begin(), m_classes.end(), same)) {
        return false;
    }
    m_classes.push_back(windowClass);
    return true;
}

bool CKEClassRegistry::unregisterClass(const std::string& className) {
    std::lock_guard lock(m_mutex);
    return std::erase_if(m_classes, [&](const KEWindowClass& c) {
               return c.className == className && !c.library;
           }) != 0;
}

bool CKEClassRegistry::isRegistered(const std::string& className) const {
    KEWindowClass ignored;
    return findClass(className, ignored);
}

bool CKEClassRegistry::findClass(const std::string& className, KEWindowClass& out) const {
    std::lock_guard lock(m_mutex);
    for (const KEWindowClass& c : m_classes) {
        if (c.className == className) {
            out = c;
            return true;
        }
    }
    return false;
}
