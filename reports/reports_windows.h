#pragma once

namespace usina {

class Station;

// The report windows, under the names the main window's menu shows them by, and their no-printer dialogs.
void registerReportsWindows(Station& station);

} // namespace usina
