// The end asked from outside the window: a running plant is stopped first, the window closes once the
// stop is complete and the files took what they kept, and the standard error, which whoever asked
// reads, tells each step.

#include "core/databases.h"
#include "plant/form_ranvikv5.h"

#include <cstdio>

namespace usina {

namespace {

void say(const std::string& text) {
    std::fprintf(stderr, "usina: %s\n", text.c_str());
}

} // namespace

// A second request changes nothing: a stop cut short would leave the controller at its last outputs.
void FormRanvikv5::EndOnRequest(const std::string& requester) {
    if (ending.requested) {
        say(requester + ": o fim já foi pedido; o programa termina " +
            (ending.afterTheStop ? "quando a usina parar" : "quando os registros guardados forem gravados"));
        return;
    }
    ending.requested = true;
    if (!plantRunsOrIsStopping()) {
        endOnceWritesAreStored();
        return;
    }
    ending.afterTheStop = true;
    if (CmdLiga.caption() == services.TranslateText("Desligar")) {
        say(requester + ": desligando a usina; o programa termina quando ela parar");
        stopPlant();
    } else {
        say(requester + ": a usina está desligando; o programa termina quando ela parar");
    }
}

// On every clock tick once the end is asked. A plant started again meanwhile is stopped again: the
// request stands.
void FormRanvikv5::goOnEndingOnRequest() {
    if (!ending.requested) {
        return;
    }
    if (plantRunsOrIsStopping()) {
        if (CmdLiga.caption() == services.TranslateText("Desligar")) {
            stopPlant();
        }
        return;
    }
    if (ending.afterTheStop) {
        ending.afterTheStop = false;
        say("usina parada; fim do programa");
    }
    endOnceWritesAreStored();
}

// The wait costs the screen nothing: each clock tick tries the files once, without waiting for them.
void FormRanvikv5::endOnceWritesAreStored() {
    db.FlushPendingWrites();
    const std::string kept = db.Writes->waitingText();
    if (!kept.empty()) {
        const double now = st.clock().monotonicSeconds();
        if (!ending.keptWritesSince) {
            ending.keptWritesSince = now;
            say(kept + ": o programa espera até " + std::to_string(static_cast<int>(keptWritesWaitSeconds)) +
                " s que sejam gravados");
            return;
        }
        if (now - *ending.keptWritesSince < keptWritesWaitSeconds) {
            return;
        }
        ending.keptWritesGivenUp = true;
    }
    Unload();
}

} // namespace usina
