// Command-update routing: a menu item offered to a window's update handlers before the menu opens.
#pragma once

#include <windows.h>

class CWnd;

class CCmdUI {
public:
    UINT m_nID = 0;           // the command id of the item
    HMENU m_pMenu = nullptr;  // the menu that holds it
    UINT m_nIndex = 0;        // its position in that menu

    // 0 unchecked, anything else checked.
    void SetCheck(int nCheck = 1);

    // Offers this item to target's update handlers (its table, then its bases'); answers whether one ran.
    bool DoUpdate(CWnd& target);
};
