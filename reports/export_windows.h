#pragma once

namespace usina {

class Station;

// The export window, shown by the main window's menu under the name "FormDatas".
void registerExportWindows(Station& station);

} // namespace usina
