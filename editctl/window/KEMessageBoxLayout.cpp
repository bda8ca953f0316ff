#include "editctl/window/KEMessageBoxLayout.h"

namespace {

constexpr KEMessageBoxButton kOk{IDOK, "OK"};
constexpr KEMessageBoxButton kCancel{IDCANCEL, "キャンセル"};
constexpr KEMessageBoxButton kAbort{IDABORT, "中止(&A)"};
constexpr KEMessageBoxButton kRetry{IDRETRY, "再試行(&R)"};
constexpr KEMessageBoxButton kIgnore{IDIGNORE, "無視(&I)"};
constexpr KEMessageBoxButton kYes{IDYES, "はい(&Y)"};
constexpr KEMessageBoxButton kNo{IDNO, "いいえ(&N)"};
constexpr KEMessageBoxButton kTryAgain{IDTRYAGAIN, "再実行(&T)"};
constexpr KEMessageBoxButton kContinue{IDCONTINUE, "続行(&C)"};

}  // namespace

KEMessageBoxLayout KEMessageBoxLayoutOf(UINT type) {
    KEMessageBoxLayout layout;
    switch (type & MB_TYPEMASK) {
        case MB_OK:
            layout.buttons = {kOk};
            layout.escapeId = IDOK;
            break;
        case MB_OKCANCEL:
            layout.buttons = {kOk, kCancel};
            break;
        case MB_ABORTRETRYIGNORE:
            layout.buttons = {kAbort, kRetry, kIgnore};
            break;
        case MB_YESNOCANCEL:
            layout.buttons = {kYes, kNo, kCancel};
            break;
        case MB_YESNO:
            layout.buttons = {kYes, kNo};
            break;
        case MB_RETRYCANCEL:
            layout.buttons = {kRetry, kCancel};
            break;
        case MB_CANCELTRYCONTINUE:
            layout.buttons = {kCancel, kTryAgain, kContinue};
            break;
        default:
            return layout;
    }
    for (const KEMessageBoxButton& button : layout.buttons) {
        if (button.id == IDCANCEL) {
            layout.escapeId = IDCANCEL;
        }
    }
    // A default beyond the last button is the first, as in Win32.
    const auto defaultIndex = static_cast<int>((type & MB_DEFMASK) >> 8);
    layout.defaultIndex = defaultIndex < static_cast<int>(layout.buttons.size()) ? defaultIndex : 0;
    const UINT icon = type & MB_ICONMASK;
    layout.icon = icon == MB_ICONHAND || icon == MB_ICONQUESTION || icon == MB_ICONEXCLAMATION ||
                          icon == MB_ICONASTERISK
                      ? icon
                      : 0;
    return layout;
}
