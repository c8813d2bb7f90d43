// The program from process start to its exit code: start-up, the message loop, the end.
#pragma once

// Runs the whole program and returns the process exit code (0 after the window is closed).
int runProgram();
