#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/IOperator.h"

// The operator of one port's sync. Nobody sits at it: every question is answered yes, as the
// command's arguments already said (overwrite the IDs the manifest names; delete, with
// --prune, the IDs it does not name). Messages are kept for the port's report and, like
// every progress change, handed to whoever follows the port.
class CSyncOperator : public IOperator {
  public:
    // Called with the bar (range, position; -1 when unchanged) and the text shown.
    using Observer = std::function<void(int range, int position, const std::string& text)>;

    explicit CSyncOperator(Observer observer) : m_observer(std::move(observer)) {}

    void ShowMessage(const std::string& caption, const std::string& text,
                     MessageIcon icon) override;
    bool AskYesNo(const std::string& caption, const std::string& text, MessageIcon icon) override;
    std::shared_ptr<IProgressDisplay> OpenProgress() override;

    // The message boxes shown, in order (texts without their captions).
    const std::vector<std::string>& Messages() const { return m_messages; }

  private:
    Observer m_observer;
    std::vector<std::string> m_messages;
};
