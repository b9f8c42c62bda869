// A dark palette of the kind a desktop's dark theme hands to Qt programs,
// with the Fusion style (which draws everything from the palette): the
// stand-in the render program and the tests use to look at the windows as a
// user of a dark desktop sees them.
#pragma once

#include <QPalette>

QPalette DarkPalette();

// Sets the Fusion style and the dark palette for the whole application.
void UseDarkLook();
