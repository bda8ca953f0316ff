#include "ops/NewItemLoader.h"

#include <string>

#include "imaging/TransferFile.h"
#include "items/CItemTable.h"
#include "ops/CTransferFileRemover.h"
#include "res/Texts.h"
#include "text/ShiftJis.h"

namespace {

void ShowError(IOperator& op, const std::string& text) {
    op.ShowMessage(std::string(texts::StringTable(texts::IDS_ERROR_CAPTION)), text,
                   MessageIcon::Exclamation);
}

}  // namespace

bool ReadItemFile(const std::filesystem::path& path, CLogoFileReader& reader, CurrentImage& image,
                  IOperator& op) {
    if (reader.Kind(path) == LogoFileKind::Unsupported) {
        ShowError(op, path.string() + std::string(texts::kUnsupportedFileSuffix));
        return false;
    }
    return reader.Load(path, image, op);
}

bool MakeNewItem(const std::filesystem::path& path, int slot, const CurrentImage& image,
                 const std::filesystem::path& transferFile, CFontPT& item, IOperator& op) {
    item.m_state = ITEM_NEW;
    item.m_sourcePath = path;
    item.m_id = static_cast<std::int16_t>(slot);
    item.m_name = sjis::CutToBytes(sjis::FromUtf8Lossy(path.filename().string()), kMaxNameBytes);

    // The transfer file sizes the item. An item whose file cannot be written is refused
    // rather than kept with zero sizes that would understate the printer memory it needs.
    {
        CTransferFileRemover remover(transferFile);
        if (!WriteTransferFile(transferFile, item, image, op)) {
            item.Reset();
            return false;
        }
        item.BuildHeader();
    }
    if (item.m_totalSize > kMaxItemImageBytes) {
        ShowError(op, path.string() + std::string(texts::kItemTooLargeSuffix));
        item.Reset();
        return false;
    }
    return true;
}
