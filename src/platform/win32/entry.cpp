// The Windows entry point: the whole program is runProgram().
#include <windows.h>

#include "app/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return runProgram(); }
