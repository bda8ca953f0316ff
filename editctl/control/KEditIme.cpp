// A finished input-method composition: the result string is inserted as typing.
#include "editctl/control/KEditIme.h"

#include <algorithm>
#include <string>

#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditEditing.h"
#include "editctl/model/KEClipboardText.h"
#include "editctl/model/KENarrowPlatform.h"
#include "editctl/window/CKEInputContext.h"
#include "editctl/window/CKEWindowSystem.h"

LRESULT KEDIT_WM_ImeComposition(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem& system = data.system();
    CKEInputContext* context = system.inputContext(data.hwnd());
    if ((lParam & GCS_RESULTSTR) == 0 || context == nullptr) {
        return system.defWindowProc(data.hwnd(), WM_IME_COMPOSITION, wParam, lParam);
    }
    // The result comes from outside: up to a 0, no unpaired surrogates.
    const std::u16string text = kenarrow::Apply(keclip::FromUnicodeBlock(
        context->result.data(), std::min(context->result.size(), keclip::kMaxPasteUnits) * 2));
    // The selection goes first and is not part of the undo step: an undo after replacing a
    // selection with input-method text does not bring the selection back.
    KEEdit edit{KE_EDIT_INSERT, text};
    edit.snapshotAt = KESnapshotAt::AfterDeletion;
    KEReplaceSelection(data, edit);
    return 0;
}
