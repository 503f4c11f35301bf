#pragma once

namespace drawlet {

struct App;

// The left tabbed panel at (0, ToolBarH), PanelW wide, with the shape and FX tabs.
void BuildLeftPanel(App& app);

// The main canvas right of the left panel, filling the width between the two panels.
void CreateMainCanvas(App& app);

// The right tabbed panel just right of the canvas, with the object tab.
void BuildRightPanel(App& app);

// Fits the panels and the canvas to the window's inner size, redraws, records the window's
// size and state in the options, writes them and rebuilds the tool bar.
void LayoutMainWindow(App& app);

}  // namespace drawlet
