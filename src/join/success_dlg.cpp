// The "It Worked!" box: its template says everything; OK and Cancel end it.
#include "join/success_dlg.h"

#include "res/resource.h"

namespace cordwain {

CSuccessDlg::CSuccessDlg() : CDialog(IDD_SUCCESS) {}

const CRuntimeClass* CSuccessDlg::ThisClass() { return RuntimeClassOf<CSuccessDlg, CDialog>("CSuccessDlg"); }

}  // namespace cordwain
