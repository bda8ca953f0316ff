#pragma once

#include <string>

// The progress display of a running printer operation. Texts are UTF-8.
// The display outlives the operation: the operator closes it once the close button shows.
// Implementations must ignore calls that arrive after the operator closed the display.
class IProgressDisplay {
  public:
    virtual ~IProgressDisplay() = default;

    // Sets the text, the bar's range (0 .. range) and its position.
    virtual void SetProgress(int range, int position, const std::string& text) = 0;
    // Sets the bar only.
    virtual void SetBar(int range, int position) = 0;
    // Sets the text only.
    virtual void SetMessage(const std::string& text) = 0;
    // Shows the close button: the operation has ended.
    virtual void ShowCloseButton() = 0;
};
