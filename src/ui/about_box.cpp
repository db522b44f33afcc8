// The About box: a template and the framework dialog's own OK and Cancel.
#include "ui/about_box.h"

#include "res/resource.h"

namespace cordwain {

// No parent: the framework makes the application's main window its owner.
CAboutBox::CAboutBox() : CDialog(IDD_ABOUTBOX) {}

CAboutBox::~CAboutBox() = default;

const MessageMapBase* CAboutBox::GetMessageMap() const
{
    static const MessageMap<CAboutBox> map(CDialog::GetMessageMap());
    return &map;
}

}  // namespace cordwain
