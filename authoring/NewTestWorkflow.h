#pragma once
// "Nový test": name and count, the questions one by one, then the new test file.

class CWnd;

// Runs the whole command; the success message is owned by panel, the main panel.
void NewTestWorkflow(CWnd& panel);
