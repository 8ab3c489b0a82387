#pragma once
#include <string>

// The display that this application shows its windows on, fit for a file
// name: the X display (DISPLAY) on xcb, the Wayland display
// (WAYLAND_DISPLAY) on Wayland, else the platform's name, so that every
// offscreen start (with or without a display) shares the key "offscreen".
// Needs the application object.
std::string DisplayKey();

// "<name>-<display key>": a name of its own for each display of the user.
std::string PerDisplayName(const std::string& name);
