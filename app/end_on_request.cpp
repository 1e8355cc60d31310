#include "app/end_on_request.h"

#include "core/station.h"
#include "plant/form_ranvikv5.h"

namespace usina {

void endOnRequest(Station& station, bool startOver, const std::string& requester) {
    auto& ws = station.ws();
    auto* main = ws.peek<FormRanvikv5>();
    if (!startOver || main == nullptr) {
        try {
            ws.endProgram();
        } catch (const forms::ProgramEnded&) {
            // The start's own steps unwind once the event loop hands back to them.
        }
        return;
    }
    ws.raise(main->name(), "EndOnRequest", [main, &requester] { main->EndOnRequest(requester); });
}

} // namespace usina
