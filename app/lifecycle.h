// The life of the process: its preparation, the event loop, the rule by
// which the program ends when its last window is gone, and the end
// sequence. All of it runs on the UI thread, the thread that enters the
// process.
#pragma once

#include <windows.h>

namespace plimsett::app {

// Adds SEM_FAILCRITICALERRORS and SEM_NOOPENFILEERRORBOX to the process's
// error mode, so the system shows no boxes of its own on the program's
// behalf. Part of the process start, before RunProgram.
void QuietenSystemErrorBoxes();

// Makes the UI thread an OLE single-threaded apartment, before any window
// exists, and the program's own folder the current directory.
void PrepareProcess();

// Keeps one routine for EndProgram to call; a later call replaces it, and
// nullptr drops it without calling it.
void RegisterCleanUp(void (*routine)());

// The keyboard handling that the event loop offers messages meant for a
// program window, or a window inside one, before dispatching them. The
// handler returns true when it used the message up.
void SetWindowKeyHandler(bool (*handler)(const MSG& message));

// A program window has been created; it is open until NoteWindowGone.
void NoteWindowOpened(HWND window);
// The very last step of a program window's destruction. When the event loop
// runs and no program window is left, this posts the quit request.
void NoteWindowGone(HWND window);

// Runs until the quit request has been taken from the queue. Returns at
// once when no program window is open.
void RunEventLoop();

// The code the quit request carried: the process's exit code after a
// normal end.
int QuitExitCode();

// Releases what the program holds: calls the registered clean-up routine
// (once ever), destroys the program icons and shuts OLE down. Safe to run
// again; a later run finds nothing left to do. It does not end the process.
void EndProgram();

}  // namespace plimsett::app
