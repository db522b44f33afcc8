// CProgressCtrl: the progress bar control. The worker drives it by posted messages, so the
// object itself only binds the control.
#pragma once

#include "framework/wnd.h"

class CProgressCtrl : public CWnd {};
