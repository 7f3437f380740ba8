#pragma once
// "Spustit test": the whole run of one test, from the picker to the results.

#include "platform/Wnd.h"

// Lets the user pick a stored test, loads it, runs the quiz and, when the quiz was finished, shows
// the results. The panel is the window whose command started the run; like every modal dialog of
// the program, the three dialogs are owned by the main window. Everything the run uses, the
// questions included, is released on every way out, also when an exception leaves.
void RunTestWorkflow(CWnd& panel);
