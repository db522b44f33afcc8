// Per-class message tables: static const arrays of typed entries, chained to the base class's table.
// A class overrides GetMessageMap() and returns a function-local static MessageMap<Self>.
#pragma once

#include <windows.h>

#include <cstddef>

#include "framework/cmd_ui.h"

class CWnd;

// What every class's table looks like to the dispatcher, whatever the class.
class MessageMapBase {
public:
    explicit MessageMapBase(const MessageMapBase* base) : m_base(base) {}
    MessageMapBase(const MessageMapBase&) = delete;
    MessageMapBase& operator=(const MessageMapBase&) = delete;

    const MessageMapBase* Base() const { return m_base; }

    // Runs this class's handler for the message, if its table has one; answers whether one ran.
    virtual bool Dispatch(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const = 0;
    // Runs this class's update handler for cmdUI's id, if its table has one.
    virtual bool DispatchUpdate(CWnd& wnd, CCmdUI& cmdUI) const = 0;

protected:
    ~MessageMapBase() = default;

private:
    const MessageMapBase* m_base;
};

enum class MessageKind { Message, Command, Update };

// One table entry. Build entries with the static helpers so the handler types are checked.
template <class T> struct MessageEntry {
    using MessageHandler = LRESULT (T::*)(WPARAM, LPARAM);
    using CommandHandler = void (T::*)();
    using UpdateHandler = void (T::*)(CCmdUI&);

    MessageKind kind;
    UINT code;  // the window message, or the command id
    MessageHandler onMessage;
    CommandHandler onCommand;
    UpdateHandler onUpdate;

    static constexpr MessageEntry Message(UINT message, MessageHandler handler)
    {
        return {MessageKind::Message, message, handler, nullptr, nullptr};
    }
    static constexpr MessageEntry Command(UINT id, CommandHandler handler)
    {
        return {MessageKind::Command, id, nullptr, handler, nullptr};
    }
    static constexpr MessageEntry Update(UINT id, UpdateHandler handler)
    {
        return {MessageKind::Update, id, nullptr, nullptr, handler};
    }
};

// A command is a WM_COMMAND from a menu (code 0) or an accelerator (code 1), neither of which
// names a control, or a button's click (BN_CLICKED, 0). Code 1 from a control is a notification
// such as a list box's selection change, not a command.
inline bool IsPlainCommand(WPARAM wParam, LPARAM lParam)
{
    return HIWORD(wParam) == 0 || (HIWORD(wParam) == 1 && lParam == 0);
}

template <class T> class MessageMap final : public MessageMapBase {
public:
    template <std::size_t N>
    MessageMap(const MessageMapBase* base, const MessageEntry<T> (&entries)[N])
        : MessageMapBase(base), m_entries(entries), m_count(N)
    {
    }
    // A class that adds no entries of its own but keeps the chain.
    explicit MessageMap(const MessageMapBase* base) : MessageMapBase(base), m_entries(nullptr), m_count(0) {}

    bool Dispatch(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const override
    {
        T& self = static_cast<T&>(wnd);
        const bool command = message == WM_COMMAND && IsPlainCommand(wParam, lParam);
        for (std::size_t i = 0; i < m_count; ++i) {
            const MessageEntry<T>& e = m_entries[i];
            if (command && e.kind == MessageKind::Command && e.code == LOWORD(wParam)) {
                (self.*e.onCommand)();
                result = 0;
                return true;
            }
        }
        for (std::size_t i = 0; i < m_count; ++i) {
            const MessageEntry<T>& e = m_entries[i];
            if (e.kind == MessageKind::Message && e.code == message) {
                result = (self.*e.onMessage)(wParam, lParam);
                return true;
            }
        }
        return false;
    }

    bool DispatchUpdate(CWnd& wnd, CCmdUI& cmdUI) const override
    {
        for (std::size_t i = 0; i < m_count; ++i) {
            const MessageEntry<T>& e = m_entries[i];
            if (e.kind == MessageKind::Update && e.code == cmdUI.m_nID) {
                (static_cast<T&>(wnd).*e.onUpdate)(cmdUI);
                return true;
            }
        }
        return false;
    }

private:
    const MessageEntry<T>* m_entries;
    std::size_t m_count;
};
