#pragma once

#include <QPointer>

#include "app/dialogs/CProgressDlg.h"
#include "host/IProgressDisplay.h"

// The operation's handle on its progress dialog. The operator may close the dialog once it
// is finished, and the main window may go away with it; the dialog is then gone and every
// later call is ignored.
class CProgressDlgDisplay : public IProgressDisplay {
  public:
    explicit CProgressDlgDisplay(CProgressDlg* dialog) : m_dialog(dialog) {}

    void SetProgress(int range, int position, const std::string& text) override;
    void SetBar(int range, int position) override;
    void SetMessage(const std::string& text) override;
    void ShowCloseButton() override;

    CProgressDlg* Dialog() const { return m_dialog.data(); }

  private:
    QPointer<CProgressDlg> m_dialog;
};
