// CSuccessDlg: the "It Worked!" box shown after a join that copied every file.
#pragma once

#include "framework/dialog.h"

namespace cordwain {

class CSuccessDlg : public CDialog {
public:
    CSuccessDlg();

    static const CRuntimeClass* ThisClass();
    const CRuntimeClass* GetRuntimeClass() const override { return ThisClass(); }
};

}  // namespace cordwain
