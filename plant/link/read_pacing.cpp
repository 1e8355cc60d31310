#include "plant/link/read_pacing.h"

namespace usina {

bool ReadPacing::waits(double now, bool heard) const {
    if (!silent()) {
        return true;
    }
    const bool quiet = now - lastTimeOut_ < quietAfterTimeOutSeconds;
    const bool probe = now - lastWait_ >= probeIntervalSeconds;
    return !quiet && (heard || probe);
}

void ReadPacing::answered(double startedAt) {
    timeOutsInRow_ = 0;
    lastWait_ = startedAt;
}

void ReadPacing::timedOut(double startedAt) {
    ++timeOutsInRow_;
    lastTimeOut_ = startedAt;
    lastWait_ = startedAt;
}

} // namespace usina
