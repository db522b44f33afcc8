// The "It Worked!" box: its template says everything; OK and Cancel end it.
#include "join/success_dlg.h"

#include "res/resource.h"

CSuccessDlg::CSuccessDlg(CWnd* parent) : CDialog(IDD_SUCCESS, parent) {}

const CRuntimeClass* CSuccessDlg::ThisClass() { return RuntimeClassOf<CSuccessDlg, CDialog>("CSuccessDlg"); }
