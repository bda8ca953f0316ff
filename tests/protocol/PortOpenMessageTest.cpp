// The port-open failure message: string 500 unchanged, then the reason on its own line.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "protocol/PortOpenMessage.h"
#include "res/Texts.h"

TEST(PortOpenMessage, ReasonFollowsTheMessageOnItsOwnLine) {
    const std::string base(texts::StringTable(texts::IDS_PORT_OPEN_FAILED));
    EXPECT_EQ(PortOpenMessage(std::nullopt), base);  // a link that cannot tell

    EXPECT_EQ(PortOpenMessage(PortOpenFailure{"/dev/ttyUSB0", EACCES}),
              base + "\n/dev/ttyUSB0: " + std::strerror(EACCES) + "\n" +
                  std::string(texts::kPortNoAccessHint));
    EXPECT_NE(texts::kPortNoAccessHint.find("dialout"), std::string_view::npos);
    EXPECT_EQ(PortOpenMessage(PortOpenFailure{"/dev/ttyS0", EBUSY}),
              base + "\n/dev/ttyS0: " + std::strerror(EBUSY));
    EXPECT_EQ(PortOpenMessage(PortOpenFailure{"/etc/hostname", ENOTTY}),
              base + "\n/etc/hostname: " + std::strerror(ENOTTY) + "\n" +
                  std::string(texts::kPortNotSerialHint));
    EXPECT_EQ(PortOpenMessage(PortOpenFailure{"printer", 0}),
              base + "\nprinter" + std::string(texts::kPortNameInvalidSuffix));
}
