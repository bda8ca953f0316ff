#include "ops/OperationOutcome.h"

#include "res/Texts.h"

std::string_view OperationTextOf(OperationText text) {
    switch (text) {
        case OperationText::DownloadDone:
            return texts::kDownloadDone;
        case OperationText::DownloadFailed:
            return texts::kDownloadFailed;
        case OperationText::DownloadMemoryFull:
            return texts::kDownloadMemoryFull;
        case OperationText::DownloadTooManyIds:
            return texts::kDownloadTooManyIds;
        case OperationText::InfoDone:
            return texts::kInfoDone;
        case OperationText::InfoFailed:
            return texts::kInfoFailed;
        case OperationText::InfoBroken:
            return texts::kInfoBroken;
        case OperationText::DeleteDone:
            return texts::kDeleteDone;
        case OperationText::DeleteFailed:
            return texts::kDeleteFailed;
        case OperationText::DeleteNothingSelected:
            return texts::kDeleteNothingSelected;
        case OperationText::AllClearDone:
            return texts::kAllClearDone;
        case OperationText::AllClearFailed:
            return texts::kAllClearFailed;
    }
    return {};
}
