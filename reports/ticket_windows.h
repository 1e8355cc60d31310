#pragma once

namespace usina {

class Station;

// The load ticket, shown by the main window's F1 under the name "FormRelCarga", and its no-printer
// dialog.
void registerTicketWindows(Station& station);

} // namespace usina
