// IDs the framework gives meaning to, shared by the C++ sources and the resource script. Plain
// #defines only, so that the resource compiler's preprocessor reads this file too.
#ifndef KVIZAR_FRAMEWORK_IDS_H
#define KVIZAR_FRAMEWORK_IDS_H

// The string resource with the application's title, which the framework's message boxes carry.
#define AFX_IDS_APP_TITLE 0xE000
// The frame's pane: the child window that the frame stretches over its client area.
#define AFX_IDW_PANE_FIRST 0xE900

#endif
