#pragma once
// What the main window keeps for the run beyond its controls.

#include <string>

namespace usina {

struct MainWindowState {
    // The name of the mix in use.
    std::string CurrentMix;
    // The mix box's text while its list is refilled.
    std::string SavedMixText;
};

} // namespace usina
