// CAboutBox: the "About Cordwain..." box, opened from the button, the menu and the system menu.
#pragma once

#include "framework/dialog.h"

namespace cordwain {

class CAboutBox : public CDialog {
public:
    CAboutBox();
    ~CAboutBox() override;

    const MessageMapBase* GetMessageMap() const override;
};

}  // namespace cordwain
