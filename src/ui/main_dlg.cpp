// The main window's own behaviour: initialisation, the message and command table, the Insert
// Dividers option kept in step with its menu item, the About box, painting while minimised,
// resizing and the minimum size.
#include "ui/main_dlg.h"

#include <oleacc.h>

#include <utility>

#include "filelist/add_command.h"
#include "filelist/list_commands.h"
#include "framework/data_exchange.h"
#include "framework/dc.h"
#include "join/join_command.h"
#include "res/resource.h"
#include "ui/about_box.h"
#include "ui/layout_window_win32.h"
#include "ui/main_layout_table.h"
#include "ui/minimized_icon.h"

namespace cordwain {
namespace {

// The whole window, frame included, never gets smaller than this while it is being sized; at
// 96 DPI, and in proportion at others, as Windows scales a program that does not scale itself.
constexpr int kMinTrackWidth = 500;
constexpr int kMinTrackHeight = 300;
constexpr int kDesignDpi = 96;

// System commands carry flags in their low four bits.
constexpr WPARAM kSysCommandMask = 0xFFF0;

constexpr UINT kNoItemId = static_cast<UINT>(-1);  // GetMenuItemID's answer for an item that opens a submenu

constexpr const wchar_t* kFileListName = L"Files to join";

// This thread in a single-threaded COM apartment for as long as this lives.
class CComApartment {
public:
    CComApartment() : m_joined(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;
    ~CComApartment()
    {
        if (m_joined)
            ::CoUninitialize();
    }

private:
    const bool m_joined;
};

// The DPI the window is drawn at: its monitor's where the system tells (Windows 10 1607 and later),
// else the screen's.
UINT WindowDpi(HWND window)
{
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr)
        return getDpiForWindow(window);
    const CClientDC screen(nullptr);
    return static_cast<UINT>(::GetDeviceCaps(screen.Get(), LOGPIXELSY));
}

}  // namespace

// The file list's name for screen readers, kept in the system's store of accessibility properties
// while this lives. The list is raised above every label, so no label precedes it to name it.
class CMainDlg::ListName {
public:
    explicit ListName(HWND list) : m_list(list)
    {
        // Where the system has no such store, the list goes without a name, as it always did.
        if (FAILED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                      reinterpret_cast<void**>(&m_services))))
            m_services = nullptr;
        else
            m_services->SetHwndPropStr(list, kClient, CHILDID_SELF, PROPID_ACC_NAME, kFileListName);
    }
    ListName(const ListName&) = delete;
    ListName& operator=(const ListName&) = delete;
    ~ListName() { Release(); }

private:
    static constexpr DWORD kClient = static_cast<DWORD>(OBJID_CLIENT);

    void Release()
    {
        if (m_services == nullptr)
            return;
        MSAAPROPID name = PROPID_ACC_NAME;
        m_services->ClearHwndProps(m_list, kClient, CHILDID_SELF, &name, 1);
        m_services->Release();
        m_services = nullptr;
    }

    const HWND m_list;
    const CComApartment m_apartment;  // joined before the services are made, left after they are released
    IAccPropServices* m_services = nullptr;
};

SIZE CMainDlg::MinTrackSize(UINT dpi)
{
    const int scale = static_cast<int>(dpi);
    return SIZE{::MulDiv(kMinTrackWidth, scale, kDesignDpi), ::MulDiv(kMinTrackHeight, scale, kDesignDpi)};
}

CMainDlg::CMainDlg() : CDialog(IDD_CORDWAIN_DIALOG)
{
    const HINSTANCE module = ::GetModuleHandleA(nullptr);
    m_hIcon = ::LoadIconA(module, MAKEINTRESOURCEA(IDR_MAINFRAME));
    // The title bar's size: 16 x 16 at 96 DPI, and on a scaled screen the sharp image of its size
    // instead of the 16-pixel one stretched.
    m_hIconSmall = static_cast<HICON>(::LoadImageA(module, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                                   ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                                                   LR_DEFAULTCOLOR));
}

CMainDlg::~CMainDlg()
{
    // LoadIconA's icon is shared and stays; the sized copy from LoadImageA is ours.
    if (m_hIconSmall != nullptr)
        ::DestroyIcon(m_hIconSmall);
}

void CMainDlg::AddPendingFile(std::string path) { m_vecPendingFiles.push_back(std::move(path)); }

int CMainDlg::FileCount() const { return m_lstFiles.GetCount(); }

std::string CMainDlg::FilePath(int index) const
{
    CString text;
    m_lstFiles.GetText(index, text);
    return text.str();
}

const MessageMapBase* CMainDlg::GetMessageMap() const
{
    using E = MessageEntry<CMainDlg>;
    static const E entries[] = {
        E::Message(WM_SYSCOMMAND, &CMainDlg::OnSysCommand),
        E::Message(WM_PAINT, &CMainDlg::OnPaint),
        E::Message(WM_QUERYDRAGICON, &CMainDlg::OnQueryDragIcon),
        E::Command(IDC_ABOUT, &CMainDlg::OnAbout),
        E::Command(IDC_JOIN, &CMainDlg::OnJoin),
        E::Command(IDC_ADD, &CMainDlg::OnAdd),
        E::Command(IDC_REMOVE, &CMainDlg::OnRemove),
        E::Command(IDC_REMOVE_ALL, &CMainDlg::OnRemoveAll),
        E::Command(ID_PROGRAM_ABOUT, &CMainDlg::OnProgramAbout),
        E::Command(ID_PROGRAM_EXIT, &CMainDlg::OnExit),
        E::Command(ID_ACTION_ADD, &CMainDlg::OnActionAdd),
        E::Command(ID_ACTION_REMOVE, &CMainDlg::OnRemove),
        E::Command(ID_ACTION_REMOVE_ALL, &CMainDlg::OnRemoveAll),
        E::Command(ID_ACTION_JOIN, &CMainDlg::OnJoin),
        E::Update(ID_OPTIONS_INSERT_DIVIDERS, &CMainDlg::OnUpdateInsertDividers),
        E::Command(ID_OPTIONS_INSERT_DIVIDERS, &CMainDlg::OnInsertDividers),
        E::Message(WM_INITMENUPOPUP, &CMainDlg::OnInitMenuPopup),
        E::Message(WM_CLOSE, &CMainDlg::OnDefault),
        E::Command(IDC_SORT_LIST, &CMainDlg::OnSortList),
        E::Message(WM_SIZING, &CMainDlg::OnDefault),
        E::Message(WM_SIZE, &CMainDlg::OnSize),
        E::Message(WM_GETMINMAXINFO, &CMainDlg::OnGetMinMaxInfo),
        E::Message(WM_SHOWWINDOW, &CMainDlg::OnDefault),
    };
    static const MessageMap<CMainDlg> map(CDialog::GetMessageMap(), entries);
    return &map;
}

void CMainDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FILE_LIST, m_lstFiles);
    DDX_Check(pDX, IDC_INSERT_DIVIDERS, m_bInsertDividers);
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (const HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE)) {
        char aboutText[256] = {};
        if (::LoadStringA(::GetModuleHandleA(nullptr), IDS_ABOUTBOX, aboutText, sizeof aboutText) > 0) {
            ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
        }
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIconSmall));

    // A dialog object run a second time gets a view of its new window.
    m_layoutWindow = std::make_unique<Win32LayoutWindow>(m_hWnd);
    m_layout.Init(*m_layoutWindow, std::nullopt, g_mainDlgLayout, kMainDlgLayoutRows, false);

    // Through the window, so the file list box keeps its extent as for any other addition.
    m_lstFiles.AppendAll(m_vecPendingFiles);

    // Above the "Files:" group box that encloses it, so the box never paints over the list.
    ::BringWindowToTop(m_lstFiles.m_hWnd);
    m_listName = std::make_unique<ListName>(m_lstFiles.m_hWnd);
    return TRUE;
}

LRESULT CMainDlg::OnSysCommand(WPARAM wParam, LPARAM)
{
    if ((wParam & kSysCommandMask) == IDM_ABOUTBOX)
        OnAbout();
    else
        Default();
    return 0;
}

LRESULT CMainDlg::OnPaint(WPARAM, LPARAM)
{
    if (!::IsIconic(m_hWnd))
        return Default();
    const CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const IconOrigin origin = MinimizedIconOrigin(client.right - client.left, client.bottom - client.top,
                                                  ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    ::DrawIcon(dc.Get(), origin.x, origin.y, m_hIcon);
    return 0;
}

LRESULT CMainDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hIcon); }

// Runs the update handlers of the popup's items here: the dialog has no frame that would.
// Items without an update handler keep their state (no automatic disabling).
LRESULT CMainDlg::OnInitMenuPopup(WPARAM wParam, LPARAM)
{
    const HMENU popup = reinterpret_cast<HMENU>(wParam);
    CCmdUI state;
    UINT count = static_cast<UINT>(::GetMenuItemCount(popup));
    for (UINT p = 0; p < count; ++p) {
        state.m_nIndex = p;
        state.m_pMenu = popup;
        UINT id = ::GetMenuItemID(popup, static_cast<int>(p));
        if (id == 0)
            continue;  // separator
        if (id == kNoItemId) {
            const HMENU submenu = ::GetSubMenu(popup, static_cast<int>(p));
            id = submenu != nullptr ? ::GetMenuItemID(submenu, 0) : kNoItemId;
            if (id == 0 || id == kNoItemId)
                continue;
            // Offered under its first item's id, but nothing the update does may reach this entry.
            state.m_pMenu = nullptr;
        }
        state.m_nID = id;
        state.DoUpdate(*this);

        // An update handler may have removed items: step back over the gap and past the
        // items that carry the id just updated, so no item is skipped or offered twice.
        const UINT now = static_cast<UINT>(::GetMenuItemCount(popup));
        if (now < count) {
            p -= count - now;
            while (p < now && ::GetMenuItemID(popup, static_cast<int>(p)) == state.m_nID)
                ++p;
        }
        count = now;
    }
    return 0;
}

LRESULT CMainDlg::OnSize(WPARAM, LPARAM)
{
    m_layout.Reposition();
    if (::IsWindowVisible(m_hWnd))
        ::BringWindowToTop(::GetDlgItem(m_hWnd, IDC_FILE_LIST));
    return 0;
}

LRESULT CMainDlg::OnGetMinMaxInfo(WPARAM, LPARAM lParam)
{
    auto* const info = reinterpret_cast<MINMAXINFO*>(lParam);
    const SIZE minimum = MinTrackSize(WindowDpi(m_hWnd));
    info->ptMinTrackSize.x = minimum.cx;
    info->ptMinTrackSize.y = minimum.cy;
    return Default();
}

LRESULT CMainDlg::OnDefault(WPARAM, LPARAM) { return Default(); }

void CMainDlg::OnAbout()
{
    CAboutBox about;
    about.DoModal();
}

void CMainDlg::OnProgramAbout() { OnAbout(); }

void CMainDlg::OnExit() { OnCancel(); }

void CMainDlg::OnUpdateInsertDividers(CCmdUI& cmdUI)
{
    UpdateData(TRUE);
    cmdUI.SetCheck(m_bInsertDividers);
}

// The popup's opening has just pulled the box's state, so choosing the item always flips the box.
void CMainDlg::OnInsertDividers()
{
    m_bInsertDividers = m_bInsertDividers == 0 ? 1 : 0;
    UpdateData(FALSE);
}

void CMainDlg::OnAdd() { RunAddCommand(m_lstFiles); }

void CMainDlg::OnActionAdd() { OnAdd(); }

void CMainDlg::OnRemove() { RemoveSelected(m_lstFiles); }

void CMainDlg::OnRemoveAll() { RemoveAll(m_lstFiles); }

void CMainDlg::OnSortList() { m_lstFiles.SortAll(); }

void CMainDlg::OnJoin()
{
    UpdateData(TRUE);
    m_bJoinRunning = true;
    RunJoinCommand(*this, m_bInsertDividers);
}

}  // namespace cordwain
