// Command-update routing onto menu items addressed by position.
#include "framework/cmd_ui.h"

#include "framework/wnd.h"

void CCmdUI::SetCheck(int nCheck)
{
    ::CheckMenuItem(m_pMenu, m_nIndex, MF_BYPOSITION | (nCheck != 0 ? MF_CHECKED : MF_UNCHECKED));
}

bool CCmdUI::DoUpdate(CWnd& target) { return target.RouteCommandUpdate(*this); }
