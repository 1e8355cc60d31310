#include "tools/plantsim/cli/frame_log.h"

#include <cerrno>
#include <stdexcept>
#include <system_error>

namespace usina::plantsim {
namespace {

std::string timestamp(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", seconds);
    return text;
}

} // namespace

FrameLog::FrameLog(const std::optional<std::string>& path) {
    if (!path) {
        return;
    }
    file_ = std::fopen(path->c_str(), "w");
    if (file_ == nullptr) {
        throw std::runtime_error(*path + ": " + std::error_code(errno, std::generic_category()).message());
    }
}

FrameLog::~FrameLog() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

void FrameLog::frame(double seconds, const Frame& frame, std::span<const std::uint8_t> reply) {
    if (file_ == nullptr) {
        return;
    }
    std::string text = timestamp(seconds);
    if (frame.kind == Frame::Kind::Write) {
        text += " W " + std::to_string(frame.address) + " = " + std::to_string(frame.value);
    } else {
        text += " R " + std::to_string(frame.address) + " ->";
        for (const std::uint8_t byte : reply) {
            text += " " + std::to_string(byte);
        }
        if (reply.empty()) {
            text += " silent";
        }
    }
    line(text);
}

void FrameLog::discarded(double seconds, std::size_t count) {
    if (file_ != nullptr) {
        line(timestamp(seconds) + " ? " + std::to_string(count) + " discarded");
    }
}

void FrameLog::line(const std::string& text) {
    std::fputs(text.c_str(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

} // namespace usina::plantsim
