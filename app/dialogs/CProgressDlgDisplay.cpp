#include "app/dialogs/CProgressDlgDisplay.h"

#include "app/dialogs/QtText.h"

void CProgressDlgDisplay::SetProgress(int range, int position, const std::string& text) {
    if (m_dialog) {
        m_dialog->SetProgress(range, position, Qs(text));
    }
}

void CProgressDlgDisplay::SetBar(int range, int position) {
    if (m_dialog) {
        m_dialog->SetBar(range, position);
    }
}

void CProgressDlgDisplay::SetMessage(const std::string& text) {
    if (m_dialog) {
        m_dialog->SetMessage(Qs(text));
    }
}

void CProgressDlgDisplay::ShowCloseButton() {
    if (m_dialog) {
        m_dialog->ShowCloseButton();
    }
}
