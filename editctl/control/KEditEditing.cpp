#include "editctl/control/KEditEditing.h"

#include <algorithm>
#include <memory>
#include <new>
#include <utility>

#include "editctl/control/KEditCaret.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

// What a refused edit puts back: the undo snapshot and lastEdit it found, and (when it
// deleted a selection before inserting) the whole state before the deletion.
class KEEditRollback {
  public:
    explicit KEEditRollback(CKEditWindowData& data)
        : m_data(data),
          m_lastEdit(data.m_lastEdit),
          m_hasSel(data.m_hasSel),
          m_anchor{data.m_anchorCol, data.m_anchorRow},
          m_selEnd{data.m_selEndCol, data.m_selEndRow},
          m_caret{data.m_caretCol, data.m_caretRow} {}

    // Starts a new undo group if lastEdit is not `kind`; the replaced snapshot is kept.
    void snapshotFor(KELastEdit kind) {
        if (m_data.m_lastEdit == kind || m_snapshotTaken) {
            return;
        }
        std::unique_ptr<CKEditInfo> previous = std::move(m_data.m_undo);
        if (m_data.takeSnapshot()) {
            m_previousUndo = std::move(previous);
            m_snapshotTaken = true;
        } else {
            m_data.m_undo = std::move(previous);  // no memory: the old snapshot stays
        }
    }

    // Copies the state before a deletion that an insertion follows; without memory a quiet
    // refusal and false.
    bool keepState() {
        try {
            m_state = std::make_unique<CKEditInfo>();
        } catch (const std::bad_alloc&) {
            KENotifyParent(m_data, EN_MAXTEXT);
            return false;
        }
        return m_data.copyTo(*m_state);  // refuses by itself
    }

    void restore() {
        if (m_state && m_state->copyTo(m_data)) {
            m_data.host().updateScrollRange();
            KEPlaceCaret(m_data);
        } else if (!m_state) {
            // Nothing was deleted: only the selection may have moved.
            m_data.m_hasSel = m_hasSel;
            m_data.m_anchorCol = m_anchor.col;
            m_data.m_anchorRow = m_anchor.row;
            m_data.m_selEndCol = m_selEnd.col;
            m_data.m_selEndRow = m_selEnd.row;
            m_data.m_caretCol = m_caret.col;
            m_data.m_caretRow = m_caret.row;
            KEPlaceCaret(m_data);
        }
        if (m_snapshotTaken) {
            m_data.m_undo = std::move(m_previousUndo);
        }
        m_data.m_lastEdit = m_lastEdit;
    }

  private:
    CKEditWindowData& m_data;
    std::int32_t m_lastEdit;
    bool m_hasSel;
    KEPos m_anchor;
    KEPos m_selEnd;
    KEPos m_caret;
    bool m_snapshotTaken = false;
    std::unique_ptr<CKEditInfo> m_previousUndo;
    std::unique_ptr<CKEditInfo> m_state;
};

}  // namespace

void KENotifyParent(CKEditWindowData& data, WORD code) {
    CKEWindowSystem& system = data.system();
    const HWND parent = system.getParent(data.hwnd());
    if (parent == nullptr) {
        return;
    }
    const auto id = static_cast<WORD>(system.getWindowLongPtr(data.hwnd(), GWLP_ID));
    system.sendMessage(parent, WM_COMMAND, MAKEWPARAM(id, code),
                       reinterpret_cast<LPARAM>(data.hwnd()));
}

void KEAnnounce(CKEditWindowData& data) {
    KENotifyParent(data, EN_UPDATE);
    if (!data.alive()) {
        return;
    }
    data.system().updateWindow(data.hwnd());
    if (data.alive()) {
        KENotifyParent(data, EN_CHANGE);
    }
}

namespace {

// Selects the character `step` reaches from the caret; false if there is none.
bool SelectBeside(CKEditWindowData& data, KECaretStep step) {
    const KEPos caret{data.m_caretCol, data.m_caretRow};
    const std::int32_t a = data.indexOf(caret);
    const std::int32_t b = data.indexOf(data.stepped(caret, step));
    if (a == b) {
        return false;
    }
    data.selectRange(std::min(a, b), std::max(a, b));
    return true;
}

}  // namespace

bool KEReplaceSelection(CKEditWindowData& data, const KEEdit& edit) {
    bool selection = data.hasSelection();
    if (!selection) {
        data.clearSelection();  // an anchor on the caret is no selection
    }
    KEEditRollback rollback(data);
    // A deletion is refused whole by the model; only a deletion that an insertion follows
    // needs the state kept to undo it.
    if (selection && !edit.text.empty() && !rollback.keepState()) {
        return false;
    }
    if (edit.snapshotAt == KESnapshotAt::BeforeDeletion) {
        rollback.snapshotFor(edit.kind);
    }
    if (!data.alive()) {
        return false;
    }
    if (!selection && edit.orBeside) {
        selection = SelectBeside(data, *edit.orBeside);
    }
    if (selection && !data.deleteSelection()) {
        if (data.alive()) {
            rollback.restore();
        }
        return false;
    }
    if (edit.snapshotAt == KESnapshotAt::AfterDeletion) {
        rollback.snapshotFor(edit.kind);
    }
    if (!data.alive()) {
        return false;
    }
    if (!edit.text.empty() && !data.insertText(edit.text)) {
        if (data.alive()) {
            rollback.restore();
        }
        return false;
    }
    data.m_lastEdit = edit.kind;
    if (edit.announce && (selection || !edit.text.empty())) {
        KEAnnounce(data);
    }
    return true;
}

bool KEShiftDown(const CKEditWindowData& data) {
    return (data.system().getKeyState(VK_SHIFT) & 0x8000) != 0;
}

bool KEControlDown(const CKEditWindowData& data) {
    return (data.system().getKeyState(VK_CONTROL) & 0x8000) != 0;
}
