#include "app/dialogs/CFontDetail.h"

#include "app/dialogs/DetailDialogParts.h"
#include "app/dialogs/TextFit.h"
#include "app/present/DetailText.h"

CFontDetail::CFontDetail(QWidget* parent, int count, std::span<const std::uint8_t> entries,
                         std::span<const std::uint8_t, kHeaderSize> header)
    : QDialog(parent) {
    using namespace detail_dialog;
    setObjectName("CFontDetail");
    setWindowTitle(Qs(texts::kFontDetailCaption));
    setFixedSize(CDialogUnits(*this).Size(kWidth, kHeight));

    const CFontPT record = ParseDetailRecord(header);
    const FontDetailText text = MakeFontDetailText(record, count, entries);
    m_list = MakeList(this, text.m_entries);
    MakeLabel(this, "name", text.m_name, 0);
    MakeLabel(this, "id", text.m_id, 1);
    MakeLabel(this, "fontCount", text.m_fontCount, 2);
    MakeLabel(this, "fontSize", text.m_fontSize, 3);
    MakeLabel(this, "bold", text.m_bold, 4);
    MakeLabel(this, "italic", text.m_italic, 5);
    MakeOk(this);
    GrowToFitTexts(*this);
}
