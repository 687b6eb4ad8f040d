#pragma once

#include <windows.h>

#include <cstddef>

class CCmdTarget;

// One row of a class's message table: a message, or a command id, bound to a
// member function. Rows are made with MapMessage and MapCommand.
struct MessageEntry {
    enum class Shape { Void, SysCommand, ReturnsCursor };

    UINT message;  // WM_COMMAND for a command or a button click
    UINT id;       // the command id for WM_COMMAND; 0 otherwise
    Shape shape;
    void (CCmdTarget::*on_void)();
    void (CCmdTarget::*on_sys_command)(UINT id, LPARAM lparam);
    HCURSOR (CCmdTarget::*on_cursor)();
};

// A class's table and the table of its base class, searched after it.
struct MessageMap {
    const MessageMap* base;
    const MessageEntry* entries;
    std::size_t count;
};

template <class T>
MessageEntry MapCommand(UINT id, void (T::*handler)()) {
    return {
        WM_COMMAND, id,     MessageEntry::Shape::Void, static_cast<void (CCmdTarget::*)()>(handler),
        nullptr,    nullptr};
}

template <class T>
MessageEntry MapMessage(UINT message, void (T::*handler)()) {
    return {
        message, 0,      MessageEntry::Shape::Void, static_cast<void (CCmdTarget::*)()>(handler),
        nullptr, nullptr};
}

template <class T>
MessageEntry MapMessage(UINT message, void (T::*handler)(UINT, LPARAM)) {
    return {message,
            0,
            MessageEntry::Shape::SysCommand,
            nullptr,
            static_cast<void (CCmdTarget::*)(UINT, LPARAM)>(handler),
            nullptr};
}

template <class T>
MessageEntry MapMessage(UINT message, HCURSOR (T::*handler)()) {
    return {message, 0,       MessageEntry::Shape::ReturnsCursor,
            nullptr, nullptr, static_cast<HCURSOR (CCmdTarget::*)()>(handler)};
}

template <std::size_t N>
MessageMap MakeMessageMap(const MessageMap* base, const MessageEntry (&entries)[N]) {
    return {base, entries, N};
}

// Base of everything that has a message table.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    virtual const MessageMap* GetMessageMap() const;

    // Runs the handler bound to `message` (and `id` for WM_COMMAND), searching
    // this class's table first. Returns false when no row matches.
    bool Dispatch(UINT message, UINT id, WPARAM wparam, LPARAM lparam, LRESULT* result);

protected:
    static const MessageMap* GetThisMessageMap();
};
