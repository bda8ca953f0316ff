#include "editctl/window/CKEScrollBar.h"

#include <algorithm>

int CKEScrollBar::set(const SCROLLINFO& info) {
    if ((info.fMask & SIF_RANGE) != 0) {
        m_min = info.nMin;
        m_max = std::max(info.nMin, info.nMax);
    }
    if ((info.fMask & SIF_PAGE) != 0) {
        m_page = info.nPage;
    }
    const auto span = static_cast<long long>(m_max) - m_min + 1;
    m_page = static_cast<UINT>(std::min<long long>(m_page, span));
    if ((info.fMask & SIF_POS) != 0) {
        m_pos = info.nPos;
    }
    const long long highest = static_cast<long long>(m_max) - std::max<long long>(m_page - 1, 0);
    m_pos =
        static_cast<int>(std::clamp<long long>(m_pos, m_min, std::max<long long>(m_min, highest)));
    m_disableNoScroll = (info.fMask & SIF_DISABLENOSCROLL) != 0 ? true : m_disableNoScroll;
    return m_pos;
}

void CKEScrollBar::get(SCROLLINFO& info) const {
    if ((info.fMask & SIF_RANGE) != 0) {
        info.nMin = m_min;
        info.nMax = m_max;
    }
    if ((info.fMask & SIF_PAGE) != 0) {
        info.nPage = m_page;
    }
    if ((info.fMask & SIF_POS) != 0) {
        info.nPos = m_pos;
    }
    if ((info.fMask & SIF_TRACKPOS) != 0) {
        info.nTrackPos = m_trackPos;
    }
}

SCROLLINFO CKEScrollBar::all() const {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    get(info);
    return info;
}

bool CKEScrollBar::enabled() const {
    return m_max > m_min && static_cast<long long>(m_page) <= static_cast<long long>(m_max) - m_min;
}
