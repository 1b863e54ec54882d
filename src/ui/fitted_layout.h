#pragma once

#include "config/form_layout.h"

#include <vector>

// Makes room for texts longer than the rectangles a layout in dialog units gives them, as
// translations are: without a toolkit, so that it reads as the arithmetic it is.
namespace wl3::ui {

// Which way a text grows out of its rectangle: a label set right against its control grows
// to the left, anything else to the right.
enum class Growth { Leftward, Rightward };

struct FitBox {
    DuRect rect;
    int neededWidth = 0; // in dialog units; 0 for a box that no text decides
    Growth growth = Growth::Rightward;
    // A group, the tab page or the window: it holds what lies inside it and grows with it.
    bool container = false;
};

// Each box too narrow for its text takes first the free room beside it on the side it grows
// to, up to its neighbour or its container's edge; what it still lacks is put in as a new
// column at its right edge, moving everything right of that line in every row and widening
// what spans it. So order and grouping stay, nothing comes to overlap, and the layout grows
// only by what the room beside the texts could not give. Boxes that fit are left exactly as
// they are. Returns the boxes' rectangles in the order given.
std::vector<DuRect> fitLayout(std::vector<FitBox> boxes);

} // namespace wl3::ui
