#include "tools/plantsim/frame_decoder.h"

#include "plant/link/controller_protocol.h"

namespace usina::plantsim {

using namespace controller_protocol;

std::vector<Frame> FrameDecoder::feed(std::span<const std::uint8_t> bytes) {
    std::vector<Frame> frames;
    for (const std::uint8_t byte : bytes) {
        take(byte, frames);
    }
    return frames;
}

void FrameDecoder::take(std::uint8_t byte, std::vector<Frame>& frames) {
    if (partial_.empty()) {
        if (byte == readCommand || byte == writeCommand) {
            partial_.push_back(byte);
        } else {
            ++discarded_;
        }
        return;
    }
    if (partial_.size() == 1 && byte != secondByte) {
        // The command byte was noise; this byte may itself begin the next frame.
        partial_.clear();
        ++discarded_;
        take(byte, frames);
        return;
    }
    partial_.push_back(byte);
    if (partial_[0] == readCommand && partial_.size() == readFrameSize) {
        frames.push_back({Frame::Kind::Read, partial_[2], 0});
        partial_.clear();
    } else if (partial_[0] == writeCommand && partial_.size() == writeFrameSize) {
        frames.push_back({Frame::Kind::Write, partial_[2], partial_[3]});
        partial_.clear();
    }
}

} // namespace usina::plantsim
