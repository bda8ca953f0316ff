#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// The bytes of the printer dialogue: frames the tool sends, replies it reads.
namespace frames {

inline constexpr std::uint8_t SOH = 0x01;
inline constexpr std::uint8_t STX = 0x02;
inline constexpr std::uint8_t ETX = 0x03;
inline constexpr std::uint8_t ACK = 0x06;
inline constexpr std::uint8_t ESC = 0x1B;

// Middle byte of a 3-byte status reply (and of the information reply).
inline constexpr std::uint8_t STATUS_FREE = 'A';      // nothing registered there
inline constexpr std::uint8_t STATUS_OCCUPIED = 'B';  // data present
inline constexpr std::uint8_t STATUS_READY = 'O';     // ready for the data frame
inline constexpr std::uint8_t STATUS_DONE = 'E';      // registration or deletion done

inline constexpr std::array<std::uint8_t, 6> kRegistrationHead{STX, ESC, 'A', ESC, 'F', 'D'};
inline constexpr std::array<std::uint8_t, 3> kRegistrationTail{ESC, 'Z', ETX};
inline constexpr std::array<std::uint8_t, 3> kProceed{STX, '0', ETX};
inline constexpr std::array<std::uint8_t, 3> kDecline{STX, '1', ETX};
inline constexpr std::array<std::uint8_t, 7> kDeleteAll{ESC, 'A', ESC, '*', 'F', ESC, 'Z'};
inline constexpr std::array<std::uint8_t, 3> kInformationRequest{SOH, 'F', 'G'};

inline constexpr std::size_t kStatusReplySize = 3;
inline constexpr std::size_t kInformationReplySize = 11;
inline constexpr std::size_t kRecordSize = 100;
inline constexpr std::size_t kEntrySize = 6;
inline constexpr std::size_t kPatternCountOffset = 60;  // big-endian, 4 bytes

// Delete ID: ESC 'A' ESC 'F' 'C' d1 d2 ESC 'Z', the ID as two decimal digits.
// The ID must be 0..99.
std::array<std::uint8_t, 9> DeleteIdFrame(int id);

// The stream length N of an information reply: bytes 2 to 9 as eight decimal digits.
// Nullopt when they are not all digits.
std::optional<std::int64_t> ParseStreamLength(
    std::span<const std::uint8_t, kInformationReplySize> reply);

// The registration ID of a record (bytes 0 and 1, two decimal digits); nullopt otherwise.
std::optional<int> RecordId(std::span<const std::uint8_t, kRecordSize> record);
// The pattern count of a record (bytes 60 to 63, big-endian, unsigned).
std::uint32_t RecordPatternCount(std::span<const std::uint8_t, kRecordSize> record);

}  // namespace frames
