#include "plant/link/read_pacing.h"

namespace usina {

bool ReadPacing::waits(double now, bool heard) {
    if (silentSince_) {
        const bool quiet = now - *silentSince_ < quietAfterTimeOutSeconds;
        const bool probe = now - lastWait_ >= probeIntervalSeconds;
        if (quiet || !(heard || probe)) {
            return false;
        }
    }
    lastWait_ = now;
    return true;
}

} // namespace usina
