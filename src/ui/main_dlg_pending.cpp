// TEMPORARY: command handlers whose real bodies are being written in their own folders.
// Each developer deletes their handler from this file when adding the real one; the file goes
// away when it is empty.
#include "ui/main_dlg.h"

void CMainDlg::OnAdd() {}
void CMainDlg::OnActionAdd() { OnAdd(); }
