#pragma once
// The bytes of the plant controller's frames: read 'R', 0x00, address (answered by one byte) and write
// 'W', 0x00, address, value (not answered). No checksum, length byte or acknowledgement.

#include <cstddef>
#include <cstdint>

namespace usina::controller_protocol {

constexpr std::uint8_t readCommand = 'R';
constexpr std::uint8_t writeCommand = 'W';
// Constant in both frames; nothing in the protocol gives it another value.
constexpr std::uint8_t secondByte = 0x00;

constexpr std::size_t readFrameSize = 3;
constexpr std::size_t writeFrameSize = 4;

} // namespace usina::controller_protocol
