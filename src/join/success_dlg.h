// CSuccessDlg: the "It Worked!" box shown after a join that copied every file.
#pragma once

#include "framework/dialog.h"

class CSuccessDlg : public CDialog {
public:
    explicit CSuccessDlg(CWnd* parent = nullptr);

    static const CRuntimeClass* ThisClass();
    const CRuntimeClass* GetRuntimeClass() const override { return ThisClass(); }
};
