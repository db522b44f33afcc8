// Message tables on a subclassed control: dispatch, chaining to the base table, default
// processing by the control's own procedure, commands, command update, and unbinding.
#include <gtest/gtest.h>

#include "framework/list_box.h"
#include "framework_test_res.h"

namespace {

constexpr UINT kBaseOnly = WM_APP + 10;
constexpr UINT kOverridden = WM_APP + 11;
constexpr UINT kDerivedOnly = WM_APP + 12;
constexpr UINT kCommandId = 700;

class CBaseList : public CListBox {
public:
    int m_commands = 0;
    LRESULT m_lastAddResult = 12345;

    const MessageMapBase* GetMessageMap() const override
    {
        using E = MessageEntry<CBaseList>;
        static const E entries[] = {
            E::Message(kBaseOnly, &CBaseList::OnBaseOnly),     E::Message(kOverridden, &CBaseList::OnOverridden),
            E::Message(LB_ADDSTRING, &CBaseList::OnAddString), E::Command(kCommandId, &CBaseList::OnCommand),
            E::Update(ID_FW_FIRST, &CBaseList::OnUpdateFirst),
        };
        static const MessageMap<CBaseList> map(CListBox::GetMessageMap(), entries);
        return &map;
    }

private:
    LRESULT OnBaseOnly(WPARAM wParam, LPARAM) { return LRESULT(wParam) + 1; }
    LRESULT OnOverridden(WPARAM, LPARAM) { return 1; }
    LRESULT OnAddString(WPARAM, LPARAM)
    {
        m_lastAddResult = Default();  // the list box's own processing: the new item's index
        return m_lastAddResult;
    }
    void OnCommand() { ++m_commands; }
    void OnUpdateFirst(CCmdUI& cmdUI) { cmdUI.SetCheck(1); }
};

class CDerivedList : public CBaseList {
public:
    const MessageMapBase* GetMessageMap() const override
    {
        using E = MessageEntry<CDerivedList>;
        static const E entries[] = {
            E::Message(kOverridden, &CDerivedList::OnOverridden),
            E::Message(kDerivedOnly, &CDerivedList::OnDerivedOnly),
            E::Update(ID_FW_THIRD, &CDerivedList::OnUpdateThird),
        };
        static const MessageMap<CDerivedList> map(CBaseList::GetMessageMap(), entries);
        return &map;
    }

private:
    LRESULT OnOverridden(WPARAM, LPARAM) { return 2; }
    LRESULT OnDerivedOnly(WPARAM, LPARAM) { return 3; }
    void OnUpdateThird(CCmdUI& cmdUI) { cmdUI.Enable(FALSE); }
};

class ListWindow {
public:
    ListWindow()
        : m_hWnd(::CreateWindowExA(0, "LISTBOX", "", WS_POPUP | LBS_NOTIFY, 0, 0, 200, 200, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr))
    {
    }
    ListWindow(const ListWindow&) = delete;
    ListWindow& operator=(const ListWindow&) = delete;
    ~ListWindow()
    {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
    }
    HWND Get() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

TEST(MessageTable, DerivedEntriesWinAndBaseEntriesAreReachedThroughTheChain)
{
    ListWindow window;
    CDerivedList list;
    ASSERT_TRUE(list.SubclassWindow(window.Get()));
    EXPECT_EQ(2, ::SendMessageA(window.Get(), kOverridden, 0, 0));
    EXPECT_EQ(3, ::SendMessageA(window.Get(), kDerivedOnly, 0, 0));
    EXPECT_EQ(42, ::SendMessageA(window.Get(), kBaseOnly, 41, 0));
}

TEST(MessageTable, UnhandledMessagesAndDefaultReachTheControlsOwnProcedure)
{
    ListWindow window;
    CDerivedList list;
    ASSERT_TRUE(list.SubclassWindow(window.Get()));
    EXPECT_EQ(0, list.AddString("first"));
    EXPECT_EQ(0, list.m_lastAddResult);
    EXPECT_EQ(1, list.AddString("second"));
    EXPECT_EQ(1, list.m_lastAddResult);
    EXPECT_EQ(2, list.GetCount());  // LB_GETCOUNT has no entry: the list box answered it
    CString text;
    list.GetText(1, text);
    EXPECT_EQ(CString("second"), text);
}

TEST(MessageTable, CommandsRunForClicksAndMenusButNotForOtherNotifications)
{
    ListWindow window;
    CDerivedList list;
    ASSERT_TRUE(list.SubclassWindow(window.Get()));
    list.SendMessage(WM_COMMAND, MAKEWPARAM(kCommandId, BN_CLICKED));
    list.SendMessage(WM_COMMAND, MAKEWPARAM(kCommandId, 1));
    list.SendMessage(WM_COMMAND, MAKEWPARAM(kCommandId, EN_CHANGE));
    list.SendMessage(WM_COMMAND, MAKEWPARAM(kCommandId + 1, BN_CLICKED));
    EXPECT_EQ(2, list.m_commands);
}

TEST(MessageTable, CommandUpdateReachesHandlersOfEveryClassInTheChain)
{
    const HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_FW_MENU));
    ASSERT_NE(nullptr, menu);
    const HMENU popup = ::GetSubMenu(menu, 0);
    ListWindow window;
    CDerivedList list;
    ASSERT_TRUE(list.SubclassWindow(window.Get()));

    bool handled[3] = {};
    for (UINT index = 0; index < 3; ++index) {
        CCmdUI cmdUI;
        cmdUI.m_pMenu = popup;
        cmdUI.m_nIndex = index;
        cmdUI.m_nID = ::GetMenuItemID(popup, static_cast<int>(index));
        handled[index] = cmdUI.DoUpdate(list);
    }
    EXPECT_TRUE(handled[0]);   // base class's handler
    EXPECT_FALSE(handled[1]);  // nobody's
    EXPECT_TRUE(handled[2]);   // derived class's handler
    EXPECT_TRUE(::GetMenuState(popup, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(::GetMenuState(popup, 1, MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED));
    EXPECT_TRUE(::GetMenuState(popup, 2, MF_BYPOSITION) & MF_GRAYED);
    ::DestroyMenu(menu);
}

TEST(MessageTable, DestroyingTheWindowUnbindsTheObject)
{
    ListWindow window;
    CDerivedList list;
    ASSERT_TRUE(list.SubclassWindow(window.Get()));
    EXPECT_EQ(&list, CWnd::FromHandle(window.Get()));
    ::DestroyWindow(window.Get());
    EXPECT_EQ(nullptr, list.m_hWnd);
    EXPECT_FALSE(list.IsBound());
}

TEST(MessageTable, DestroyingTheObjectGivesTheWindowBackToItsOwnProcedure)
{
    ListWindow window;
    {
        CDerivedList list;
        ASSERT_TRUE(list.SubclassWindow(window.Get()));
        {
            const CWnd copy(list);  // a plain handle: its end must not unbind the object
            EXPECT_FALSE(copy.IsBound());
        }
        EXPECT_EQ(3, ::SendMessageA(window.Get(), kDerivedOnly, 0, 0));
    }
    EXPECT_EQ(nullptr, CWnd::FromHandle(window.Get()));
    EXPECT_EQ(0, ::SendMessageA(window.Get(), kDerivedOnly, 0, 0));
    EXPECT_EQ(0, ::SendMessageA(window.Get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("still a list box")));
}

TEST(MessageTable, AWindowIsBoundToOneObjectAtATime)
{
    ListWindow window;
    CDerivedList first;
    CDerivedList second;
    EXPECT_TRUE(first.SubclassWindow(window.Get()));
    EXPECT_FALSE(second.SubclassWindow(window.Get()));
    EXPECT_FALSE(first.SubclassWindow(window.Get()));
    EXPECT_FALSE(second.SubclassWindow(nullptr));
    EXPECT_EQ(&first, CWnd::FromHandle(window.Get()));
}

}  // namespace
