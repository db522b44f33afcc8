// CSuccessDlg: the "It Worked!" box shown after a join that copied every file.
#pragma once

#include <string>

#include "framework/dialog.h"

namespace cordwain {

class CSuccessDlg : public CDialog {
public:
    // `checked`: what the output was checked against, in a line of its own below the template's
    // text. Without it the box is its template's alone.
    explicit CSuccessDlg(std::string checked = {});

    static const CRuntimeClass* ThisClass();
    const CRuntimeClass* GetRuntimeClass() const override { return ThisClass(); }

    BOOL OnInitDialog() override;

private:
    void AddCheckedLine() const;

    const std::string m_checked;
};

}  // namespace cordwain
