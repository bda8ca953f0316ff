#include "editctl/window/KEStandardCursors.h"

#include <algorithm>
#include <iterator>

#include "editctl/model/WextlWin32.h"

bool KEIsStandardCursor(int id) {
    static const char* const kStandard[] = {
        IDC_ARROW,  IDC_IBEAM,  IDC_WAIT,    IDC_CROSS, IDC_UPARROW, IDC_SIZENWSE,    IDC_SIZENESW,
        IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL, IDC_NO,    IDC_HAND,    IDC_APPSTARTING, IDC_HELP,
    };
    return std::any_of(std::begin(kStandard), std::end(kStandard),
                       [id](const char* standard) { return KECursorId(standard) == id; });
}
