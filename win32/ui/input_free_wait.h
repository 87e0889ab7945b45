#pragma once
// A pause on the GUI thread in which the windows take no keyboard or mouse
// input but still paint, tick and close when told from outside.
namespace fuda {

// GUI thread. A WM_QUIT arriving meanwhile ends the wait and is posted
// again for the loop that owns it.
void waitWithoutInput(double ms);

}  // namespace fuda
