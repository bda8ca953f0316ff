#pragma once

#include "host/IOperator.h"

// Passes everything on to another operator but answers its questions with yes: for commands
// whose arguments already say what the operator wants (delete of the IDs named).
class CConfirmingOperator : public IOperator {
  public:
    explicit CConfirmingOperator(IOperator& inner) : m_inner(inner) {}

    void ShowMessage(const std::string& caption, const std::string& text,
                     MessageIcon icon) override {
        m_inner.ShowMessage(caption, text, icon);
    }
    bool AskYesNo(const std::string&, const std::string&, MessageIcon) override { return true; }
    std::shared_ptr<IProgressDisplay> OpenProgress() override { return m_inner.OpenProgress(); }
    void RefreshItemList() override { m_inner.RefreshItemList(); }
    void ClearItemList() override { m_inner.ClearItemList(); }
    void RepaintPreviews() override { m_inner.RepaintPreviews(); }
    void PumpEvents() override { m_inner.PumpEvents(); }

  private:
    IOperator& m_inner;
};
