#pragma once
// Cuts the bytes a station sends into controller frames: 'R', 0x00, address and 'W', 0x00, address,
// value. A frame may arrive in pieces. A byte that cannot begin a frame, or a command byte not followed by
// 0x00, is dropped and the search for the next frame goes on from the following byte.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace usina::plantsim {

struct Frame {
    enum class Kind { Read, Write };
    Kind kind;
    std::uint8_t address;
    std::uint8_t value; // 0 for a read
    bool operator==(const Frame&) const = default;
};

class FrameDecoder {
public:
    std::vector<Frame> feed(std::span<const std::uint8_t> bytes);
    // Bytes dropped while searching for a frame, since the start.
    std::size_t discardedBytes() const { return discarded_; }

private:
    void take(std::uint8_t byte, std::vector<Frame>& frames);

    std::vector<std::uint8_t> partial_;
    std::size_t discarded_ = 0;
};

} // namespace usina::plantsim
