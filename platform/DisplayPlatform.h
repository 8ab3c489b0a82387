#pragma once

// Without a display (neither DISPLAY nor WAYLAND_DISPLAY) and without a
// platform chosen by the user, the application runs on Qt's offscreen
// platform. Call before the application object exists.
void ChooseOffscreenWithoutDisplay();
