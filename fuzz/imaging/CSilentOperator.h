#pragma once

#include "host/IOperator.h"

// An operator that answers nothing and shows nothing: the fuzzers only look for crashes.
class CSilentOperator : public IOperator {
  public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
    bool AskYesNo(const std::string&, const std::string&, MessageIcon) override { return false; }
    std::shared_ptr<IProgressDisplay> OpenProgress() override { return nullptr; }
    void EnableControls(bool) override {}
    void RefreshItemList() override {}
    void RepaintPreviews() override {}
    void PumpEvents() override {}
};
