#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editctl/model/CKEChar.h"
#include "editctl/model/CKEPara.h"
#include "editctl/model/IKEditHost.h"

// A caret or selection position: a column within a row and a row index.
struct KEPos {
    std::int32_t col = 0;
    std::int32_t row = 0;
    bool operator==(const KEPos&) const = default;
};

enum class KECaretStep { Left, Right, Up, Down, Home, End };

// The state of one KEDIT control: the UTF-16 text, one attribute per character, the layout
// into paragraphs and rows, caret, selection, scroll offsets and the one-level undo.
//
// The layout always describes the whole text. Every edit either completes or leaves text,
// layout, caret and selection as they were; a refusal sends EN_MAXTEXT to the parent
// (with a beep when the text would not fit). The window layer reads the fields directly and
// changes them only through the operations below.
class CKEditInfo {
  public:
    static constexpr std::int32_t kDefaultLimit = 30000;
    static constexpr std::int32_t kMaxLimit = 65520;
    static constexpr std::int32_t kMaxScrollRows = 32767;

    CKEditInfo() = default;
    ~CKEditInfo() = default;
    CKEditInfo(const CKEditInfo&) = delete;
    CKEditInfo& operator=(const CKEditInfo&) = delete;

    // Edit operations; each returns true on success.
    bool reset(IKEditHost* window);
    bool insertText(const char16_t* text, std::int32_t count);
    bool insertText(std::u16string_view text);
    bool deleteSelection();
    bool setFaceName(std::int32_t first, std::int32_t count, const char* faceName);
    bool replaceAll(std::u16string_view text);
    bool copyTo(CKEditInfo& target) const;
    bool takeSnapshot();
    bool undoSwap();

    // The host's limit on the text length, at most kMaxLimit (text beyond it stays).
    void setLimit(std::uint32_t limit);

    // The face name of a character's own font, or null for the control's font.
    const char* faceName(const CKEChar& ch) const;
    const char* faceNameAt(std::int32_t index) const;

    // Selection and caret queries.
    bool getSelection(std::int32_t& first, std::int32_t& count) const;
    // A selection of at least one character: an anchor on the caret selects nothing.
    bool hasSelection() const;
    std::int32_t caretIndex() const;
    std::int32_t indexOf(KEPos pos) const;
    // The position of a character index: 0 is (0, 0), an index at or beyond the length is the
    // end of the last row, any other is in the row that holds it.
    KEPos positionOfIndex(std::int32_t index) const;
    // The row whose start is the last one not after `index`.
    std::int32_t rowOfIndex(std::int32_t index) const;
    // The last column the caret may take in `row`: the column of a closing CR LF (or lone
    // LF), else the row's count.
    std::int32_t rowEndColumn(std::int32_t row) const;

    // Caret movement and selection.
    void moveCaret(KECaretStep step, bool extend);
    KEPos stepped(KEPos from, KECaretStep step) const;
    // Moves the caret to `pos`, extending the selection from the old caret or clearing it.
    void moveCaretTo(KEPos pos, bool extend);
    void selectAll();
    // Selects [first, end) (ends put in order and held within the text).
    void selectRange(std::int32_t first, std::int32_t end);
    void clearSelection();

    // Measuring through the window.
    KEFontMetrics fontMetrics() const;
    SIZE measureChar(char16_t ch, const char* faceName) const;
    RECT textRect() const;
    std::int32_t rowHeight() const;
    // The margins that the window's border style and the control's font call for.
    void computeMargins();

    // Lays out the characters [first, first + count) as paragraph `paraIndex`; null if they do
    // not fit (the caller refuses).
    std::unique_ptr<CKEPara> layoutPara(std::int32_t paraIndex, std::int32_t first,
                                        std::int32_t count) const;

    // Fields, in the order of the control's record.
    IKEditHost* m_hwnd = nullptr;
    HFONT m_font = nullptr;
    std::int32_t m_limit = kDefaultLimit;
    std::u16string m_text;         // m_length units; c_str() adds the terminating 0
    std::vector<CKEChar> m_chars;  // m_length + 1 entries
    // The face names characters were given: CKEChar::m_face k > 0 names m_faceNames[k - 1].
    // Only ever grows, so an index stays valid in every copy and snapshot of the state.
    std::vector<std::string> m_faceNames;
    std::int32_t m_length = 0;
    std::vector<std::unique_ptr<CKEPara>> m_paras;
    std::vector<CKELine*> m_rows;  // the paragraphs' lines in text order
    bool m_caretShown = false;
    std::int32_t m_caretCol = 0;
    std::int32_t m_caretRow = 0;
    bool m_hasSel = false;
    std::int32_t m_anchorCol = 0;
    std::int32_t m_anchorRow = 0;
    std::int32_t m_selEndCol = 0;
    std::int32_t m_selEndRow = 0;
    std::int32_t m_marginX = 0;
    std::int32_t m_marginY = 0;
    std::int32_t m_scrollX = 0;
    std::int32_t m_scrollY = 0;
    bool m_modified = false;
    std::unique_ptr<CKEditInfo> m_undo;

  private:
    enum class SwapScope { Everything, EditState };

    DWORD style() const;
    std::int32_t allowedRows() const;
    void refuse(bool beep) const;
    void setEmptyText();
    void clearTextKeepingSettings();
    void swapState(CKEditInfo& other, SwapScope scope) noexcept;
    std::int32_t firstRowOfPara(std::int32_t para) const;
    std::unique_ptr<CKEPara> layoutRun(const std::vector<CKEChar>& chars, std::int32_t paraIndex,
                                       std::int32_t first, std::int32_t count, DWORD style,
                                       std::int32_t avail) const;
    // Replaces paragraphs [firstPara, lastPara] by `newParas` in both lists and moves the
    // later rows by `shift` characters. The lists must have room reserved already.
    void spliceParas(std::int32_t firstPara, std::int32_t lastPara,
                     std::vector<std::unique_ptr<CKEPara>>& newParas, std::int32_t shift) noexcept;
    void reserveForSplice(std::int32_t firstPara, std::int32_t lastPara,
                          const std::vector<std::unique_ptr<CKEPara>>& newParas);
    KEPos validPos(KEPos pos) const;
    // The table index for `name` (kControlFont for null or empty), added if new; nothing when
    // the table is full.
    std::optional<std::uint16_t> faceIndex(const char* name);
    void afterEdit();
};
