#include "app/dialogs/CLogoDetail.h"

#include "app/dialogs/DetailDialogParts.h"
#include "app/dialogs/TextFit.h"
#include "app/present/DetailText.h"

CLogoDetail::CLogoDetail(QWidget* parent, int count, std::span<const std::uint8_t> entries,
                         std::span<const std::uint8_t, kHeaderSize> header, double dotsPerMm)
    : QDialog(parent) {
    using namespace detail_dialog;
    setObjectName("CLogoDetail");
    setWindowTitle(Qs(texts::kLogoDetailCaption));
    setFixedSize(CDialogUnits(*this).Size(kWidth, kHeight));

    const CFontPT record = ParseDetailRecord(header);
    const LogoDetailText text = MakeLogoDetailText(record, count, entries, dotsPerMm);
    m_list = MakeList(this, text.m_entries, texts::kLogoDetailListHeading);
    MakeLabel(this, "name", text.m_name, 0);
    MakeLabel(this, "id", text.m_id, 1);
    MakeLabel(this, "height", text.m_height, 2);
    MakeLabel(this, "width", text.m_width, 3);
    MakeOk(this);
    GrowToFitTexts(*this);
}
