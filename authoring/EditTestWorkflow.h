#pragma once
// "Editovat test": pick a stored test, page through and change it, save it back.

class CWnd;

// Runs the whole command; the success message is owned by panel, the main panel.
void EditTestWorkflow(CWnd& panel);
