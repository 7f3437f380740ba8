#pragma once
// A class's messages in one visible place: each window class lists message -> handler in a table,
// in order, and names its base class's table. Lookup walks from the class's table to its bases';
// what no table handles gets default processing.

#include <windows.h>

#include <cstddef>

class CWnd;

using MessageHandler = LRESULT (CWnd::*)(WPARAM, LPARAM);
using CommandHandler = void (CWnd::*)();

struct MessageMapEntry {
    UINT message;   // WM_xxx; WM_COMMAND for a control's notification
    UINT code;      // with WM_COMMAND: the notification code (BN_CLICKED)
    UINT controlId; // with WM_COMMAND: the control's ID
    MessageHandler onMessage;
    CommandHandler onCommand;
};

struct MessageMap {
    const MessageMap* base;
    const MessageMapEntry* entries;
    size_t count;
};

// A window message to a handler of the general form LRESULT OnX(WPARAM, LPARAM).
template <class T> MessageMapEntry OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    return MessageMapEntry{message, 0, 0, static_cast<MessageHandler>(handler), nullptr};
}

// A button's click (BN_CLICKED from control id) to a handler void OnX().
template <class T> MessageMapEntry OnClicked(UINT controlId, void (T::*handler)()) {
    return MessageMapEntry{WM_COMMAND, BN_CLICKED, controlId, nullptr, static_cast<CommandHandler>(handler)};
}

template <size_t N>
constexpr MessageMap MakeMessageMap(const MessageMap* base, const MessageMapEntry (&entries)[N]) {
    return MessageMap{base, entries, N};
}
