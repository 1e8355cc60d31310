#pragma once
// The pseudo-terminal plantsim answers on, and the link path a station opens to reach it. plantsim keeps
// a descriptor of the slave side open itself, so that a station closing and reopening the line does not
// hang up the master side.

#include <string>

namespace usina::plantsim {

class PseudoTerminal {
public:
    // Throws std::runtime_error when no pseudo-terminal can be had.
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int masterFd() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

// A symbolic link at `path` to a target, put in place atomically (a stale link is replaced, anything
// else at the path is refused) and removed on destruction unless another link has replaced it since.
class LinkPath {
public:
    // Throws std::runtime_error when the link cannot be made.
    LinkPath(std::string path, std::string target);
    ~LinkPath();
    LinkPath(const LinkPath&) = delete;
    LinkPath& operator=(const LinkPath&) = delete;

private:
    std::string path_;
    std::string target_;
};

} // namespace usina::plantsim
