#include "imaging/ImagingMessages.h"

#include "res/Texts.h"

void ShowImagingError(IOperator& op, int id) {
    ShowImagingErrorText(op, std::string(texts::StringTable(id)));
}

void ShowImagingErrorText(IOperator& op, const std::string& text) {
    op.ShowMessage(std::string(texts::StringTable(texts::IDS_ERROR_CAPTION)), text,
                   MessageIcon::Exclamation);
}
