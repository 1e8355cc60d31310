#include "tools/plantsim/frame_decoder.h"

#include <gtest/gtest.h>

#include <vector>

namespace usina::plantsim {
namespace {

using Bytes = std::vector<std::uint8_t>;

Frame readOf(std::uint8_t address) {
    return {Frame::Kind::Read, address, 0};
}
Frame writeOf(std::uint8_t address, std::uint8_t value) {
    return {Frame::Kind::Write, address, value};
}

struct DecoderCase {
    const char* name;
    std::vector<Bytes> pieces; // fed one after another
    std::vector<Frame> frames;
    std::size_t discarded;
};

TEST(FrameDecoder, CutsFramesAndResynchronisesOnGarbage) {
    const std::vector<DecoderCase> cases{
        {"read", {{'R', 0, 10}}, {readOf(10)}, 0},
        {"write", {{'W', 0, 3, 120}}, {writeOf(3, 120)}, 0},
        {"frames back to back",
         {{'R', 0, 10, 'W', 0, 1, 'R', 'R', 0, 14}},
         {readOf(10), writeOf(1, 'R'), readOf(14)},
         0},
        {"frame in pieces", {{'W'}, {0, 5}, {255}}, {writeOf(5, 255)}, 0},
        {"address and value may be any byte", {{'R', 0, 0, 'W', 0, 0, 0}}, {readOf(0), writeOf(0, 0)}, 0},
        {"garbage before a frame", {{0xEE, 0xEE, 0, 1, 'R', 0, 11}}, {readOf(11)}, 4},
        {"command without its 0x00, then a frame", {{'R', 'W', 0, 2, 9}}, {writeOf(2, 9)}, 1},
        {"command without its 0x00 is dropped with it", {{'W', 7, 'R', 0, 12}}, {readOf(12)}, 2},
        {"incomplete frame waits", {{'R', 0}}, {}, 0},
    };
    for (const auto& c : cases) {
        FrameDecoder decoder;
        std::vector<Frame> frames;
        for (const auto& piece : c.pieces) {
            const auto decoded = decoder.feed(piece);
            frames.insert(frames.end(), decoded.begin(), decoded.end());
        }
        EXPECT_EQ(frames, c.frames) << c.name;
        EXPECT_EQ(decoder.discardedBytes(), c.discarded) << c.name;
    }
}

} // namespace
} // namespace usina::plantsim
