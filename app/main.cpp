// Process entry of the GUI-subsystem program: no console window is opened.
#include <windows.h>

#include "app/dll_search.h"
#include "app/lifecycle.h"
#include "app/program.h"

// The command line and the show state are not used: the program takes no
// arguments and always shows its window normally.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // First of all, before anything can load a DLL by name.
  plimsett::app::RestrictDllSearchToSystemFolder();
  plimsett::app::QuietenSystemErrorBoxes();
  plimsett::app::RunProgram();
  plimsett::app::EndProgram();
  return plimsett::app::QuitExitCode();
}
