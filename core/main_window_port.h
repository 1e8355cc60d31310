#pragma once
// The main window as the code below it reaches it: the shared services, the set-up screens and the
// logins use only these few of its controls, and show or close it. The main window implements the
// port; Station::mainWindow() gives it, loading the window when it is not loaded, as any touch of a
// form does. Add a member here when a window below the main window needs one more of its controls.

namespace usina::forms {
class ComboBox;
class CommandButton;
class Label;
class NeedleGauge;
class ScrollBar;
} // namespace usina::forms

namespace usina {

class MainWindowPort {
public:
    virtual ~MainWindowPort() = default;

    // The operator's message line.
    virtual forms::Label& LblOcorrenc() = 0;
    // The mix in use; giving it the focus reloads the mix and the constants.
    virtual forms::ComboBox& DBCombomist() = 0;
    // Start and stop; its caption is the plant state.
    virtual forms::CommandButton& CmdLiga() = 0;
    // The belt-speed gauges of silos 1 to 5 and the temperature gauges of channels 1 to 5.
    virtual forms::NeedleGauge& Gauge(int silo) = 0;
    virtual forms::NeedleGauge& GaugeTmp(int channel) = 0;
    // The rate bar and the label of its maximum.
    virtual forms::ScrollBar& HScroll() = 0;
    virtual forms::Label& Lblmax() = 0;

    virtual void Show() = 0;
    // Closing the main window ends the program, unless its unload refuses (the plant runs).
    virtual void Unload() = 0;
};

} // namespace usina
