#pragma once
// The plant's own pictures, painted rather than loaded: "logo" (the plant's emblem) and "plant" (an
// asphalt plant's outline), used by the splash and the main window.

namespace usina {

// Registers both with the Qt renderer's named pictures; call it before the first window shows.
void registerPlantPictures();

} // namespace usina
