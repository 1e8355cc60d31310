#pragma once
// One line per frame plantsim receives, with the time in seconds since its start, flushed at once so a
// test can follow the register traffic while plantsim runs:
//   "12.345678 R 10 -> 57"   a read and the bytes answered ("silent" when none)
//   "12.350000 W 3 = 120"    a write
//   "12.360000 ? 2 discarded" bytes that began no frame

#include "tools/plantsim/frame_decoder.h"

#include <cstdio>
#include <optional>
#include <span>
#include <string>

namespace usina::plantsim {

class FrameLog {
public:
    // No path: nothing is written. Throws std::runtime_error when the file cannot be created.
    explicit FrameLog(const std::optional<std::string>& path);
    ~FrameLog();
    FrameLog(const FrameLog&) = delete;
    FrameLog& operator=(const FrameLog&) = delete;

    void frame(double seconds, const Frame& frame, std::span<const std::uint8_t> reply);
    void discarded(double seconds, std::size_t count);

private:
    void line(const std::string& text);

    std::FILE* file_ = nullptr;
};

} // namespace usina::plantsim
