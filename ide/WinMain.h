#pragma once

// Program entry: single instance, start-up, the message loop and the exit
// path. Returns the process's exit status.
int WinMain(int argc, char** argv);
