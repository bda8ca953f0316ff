#pragma once

#include <memory>
#include <string>

#include "host/IProgressDisplay.h"

enum class MessageIcon { None, Information, Exclamation, Question, Stop };

// Everything the core shows the operator or asks of the operator goes through this
// interface; the desktop program answers with dialogs, the command line with the terminal,
// tests with a script. Texts are UTF-8.
class IOperator {
  public:
    virtual ~IOperator() = default;

    // A message box with one OK button.
    virtual void ShowMessage(const std::string& caption, const std::string& text,
                             MessageIcon icon) = 0;
    // A yes/no question; true means yes.
    virtual bool AskYesNo(const std::string& caption, const std::string& text,
                          MessageIcon icon) = 0;
    // Opens a new progress display for an operation that starts now.
    virtual std::shared_ptr<IProgressDisplay> OpenProgress() = 0;

    // What only a front end with a window shows; the others have nothing to do.
    // Rebuilds the item list, memory text and gauge from the item table.
    virtual void RefreshItemList() {}
    // Deletes every row of the item list: the table has just been cleared and is filled
    // again before the next RefreshItemList.
    virtual void ClearItemList() {}
    // Repaints the two previews.
    virtual void RepaintPreviews() {}
    // Handles pending window events so that the display stays alive during long waits.
    virtual void PumpEvents() {}
};
