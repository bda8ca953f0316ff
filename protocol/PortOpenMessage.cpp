#include "protocol/PortOpenMessage.h"

#include <cerrno>
#include <cstring>

#include "res/Texts.h"

std::string PortOpenMessage(const std::optional<PortOpenFailure>& failure) {
    std::string text(texts::StringTable(texts::IDS_PORT_OPEN_FAILED));
    if (!failure) return text;
    if (failure->error == 0) {
        return text + "\n" + failure->device + std::string(texts::kPortNameInvalidSuffix);
    }
    text += "\n" + failure->device + ": " + std::strerror(failure->error);
    if (failure->error == EACCES || failure->error == EPERM) {
        text += "\n" + std::string(texts::kPortNoAccessHint);
    } else if (failure->error == ENOTTY) {
        text += "\n" + std::string(texts::kPortNotSerialHint);
    }
    return text;
}
