// How the main window's file list scales: 10,000 paths of 60-120 characters in the real list
// box of the real main window, added as one drop and by LB_ADDSTRING, sorted, the widest
// removed, cleared. Prints figures; run it under Wine:
//   scripts/wine-run <build>/bench/bench_list_scale.exe [ITEMS [RUNS]]
#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "filelist/redraw_pause.h"
#include "filelist/sort_order.h"
#include "res/resource.h"
#include "ui/main_dlg.h"

namespace cordwain {
namespace {

int kItems = 10000;              // the first argument changes it, for a quick look
int kRuns = 3;                   // the second argument changes it
constexpr int kDropFiles = 100;  // real files behind the drop, each named kItems / kDropFiles times

using Clock = std::chrono::steady_clock;

double MillisecondsOf(const char* what, const std::function<void()>& work)
{
    const Clock::time_point start = Clock::now();
    work();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::fprintf(stderr, "  %s: %.1f ms\n", what, ms);
    return ms;
}

// A path of 60-120 characters under a few made-up folders.
std::vector<std::string> MadeUpPaths(std::mt19937& random)
{
    static const char* const kFolders[] = {"C:\\Archive\\Split pieces\\", "C:\\Users\\someone\\Downloads\\",
                                           "D:\\backup\\2024\\", "E:\\Video\\Recordings\\Holiday\\"};
    std::uniform_int_distribution<int> folder(0, 3);
    std::uniform_int_distribution<int> length(60, 120);
    std::uniform_int_distribution<int> letter(0, 51);
    std::vector<std::string> paths;
    for (int i = 0; i < kItems; ++i) {
        std::string path = kFolders[folder(random)];
        const std::size_t target = static_cast<std::size_t>(length(random));
        while (path.size() + 8 < target) {
            const int l = letter(random);
            path += static_cast<char>(l < 26 ? 'a' + l : 'A' + l - 26);
        }
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%03d", i % 1000);
        path += "_";
        path += suffix;
        path.resize(std::max(path.size(), target), 'z');
        paths.push_back(path);
    }
    return paths;
}

// Real files (the drop filter asks each name's attributes), in a folder of their own.
class DropFiles {
public:
    explicit DropFiles(std::mt19937& random)
    {
        char base[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, base);
        m_folder = std::string(base) + "cordwain-list-scale";
        ::CreateDirectoryA(m_folder.c_str(), nullptr);
        std::uniform_int_distribution<int> length(60, 120);
        for (int i = 0; i < kDropFiles; ++i) {
            std::string path = m_folder + "\\piece " + std::to_string(i) + " ";
            path.resize(std::max<std::size_t>(path.size(), static_cast<std::size_t>(length(random)) - 4), 'p');
            path += ".bin";
            const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            ::CloseHandle(file);
            m_files.push_back(path);
        }
    }
    DropFiles(const DropFiles&) = delete;
    DropFiles& operator=(const DropFiles&) = delete;
    ~DropFiles()
    {
        for (const std::string& path : m_files)
            ::DeleteFileA(path.c_str());
        ::RemoveDirectoryA(m_folder.c_str());
    }

    // A shell drop naming every file kItems / kDropFiles times, shuffled.
    HGLOBAL MakeDrop(std::mt19937& random) const
    {
        std::vector<const std::string*> names;
        for (int round = 0; round < kItems / kDropFiles; ++round)
            for (const std::string& path : m_files)
                names.push_back(&path);
        std::shuffle(names.begin(), names.end(), random);
        std::size_t size = sizeof(DROPFILES) + 1;
        for (const std::string* name : names)
            size += name->size() + 1;
        const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
        auto* const header = static_cast<DROPFILES*>(::GlobalLock(memory));
        header->pFiles = sizeof(DROPFILES);
        char* next = reinterpret_cast<char*>(header) + sizeof(DROPFILES);
        for (const std::string* name : names) {
            std::memcpy(next, name->c_str(), name->size() + 1);
            next += name->size() + 1;
        }
        ::GlobalUnlock(memory);
        return memory;
    }

private:
    std::string m_folder;
    std::vector<std::string> m_files;
};

HFONT FontOf(HWND window) { return reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0)); }

int WidestItem(const CFileListBox& list)
{
    // The widest text is the one the extent was taken from; find it by measuring once here.
    const HDC dc = ::GetDC(list.m_hWnd);
    const HGDIOBJ old = ::SelectObject(dc, FontOf(list.m_hWnd));
    int widest = -1;
    LONG widestWidth = -1;
    for (int i = 0; i < list.Count(); ++i) {
        const std::string text = list.Text(i);
        SIZE size{};
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        if (size.cx > widestWidth) {
            widestWidth = size.cx;
            widest = i;
        }
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(list.m_hWnd, dc);
    return widest;
}

struct Figures {
    std::vector<double> addString, drop, sort, removeWidest, removeFirst, removeAll;
};

void RunOnce(CMainDlg& dlg, const std::vector<std::string>& paths, const DropFiles& files, std::mt19937& random,
             Figures& figures)
{
    CFileListBox& list = dlg.m_lstFiles;
    const auto command = [&dlg](int id) { dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); };

    const HGLOBAL drop = files.MakeDrop(random);
    figures.drop.push_back(
        MillisecondsOf("drop", [&] { list.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(drop)); }));
    if (list.Count() != kItems)
        std::printf("warning: the drop added %d items\n", list.Count());
    figures.removeAll.push_back(MillisecondsOf("remove all", [&] { command(IDC_REMOVE_ALL); }));

    // As the Add command and the start-up queue append: redraw held back around the appends.
    figures.addString.push_back(MillisecondsOf("add", [&] { list.AppendAll(paths); }));
    figures.sort.push_back(MillisecondsOf("sort", [&] { command(IDC_SORT_LIST); }));

    list.SetCurSel(WidestItem(list));
    const int extentBefore = list.Extent();
    figures.removeWidest.push_back(MillisecondsOf("remove widest", [&] { command(IDC_REMOVE); }));
    if (list.Extent() >= extentBefore || list.Count() != kItems - 1)
        std::printf("warning: removing the widest item did not shrink the extent\n");
    list.SetCurSel(0);
    figures.removeFirst.push_back(MillisecondsOf("remove first", [&] { command(IDC_REMOVE); }));
    command(IDC_REMOVE_ALL);
}

void Print(const char* what, std::vector<double> runs, double targetMs = 0)
{
    std::sort(runs.begin(), runs.end());
    std::printf("%-44s median %9.1f ms  (min %9.1f, max %9.1f)", what, runs[runs.size() / 2], runs.front(),
                runs.back());
    if (targetMs > 0)
        std::printf("  target < %.0f ms: %s", targetMs, runs[runs.size() / 2] < targetMs ? "met" : "MISSED");
    std::printf("\n");
}

// Where an append's time goes: a plain list box of the same styles beside the real one, each
// cost added on its own. Figures per 1,000 appends, redraw held back unless said otherwise.
void Breakdown(CMainDlg& dlg, const std::vector<std::string>& paths)
{
    const int count = std::min<int>(2000, static_cast<int>(paths.size()));
    RECT rect{};
    ::GetWindowRect(dlg.m_lstFiles.m_hWnd, &rect);
    ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    const HWND plain = ::CreateWindowExA(
        WS_EX_ACCEPTFILES, "LISTBOX", "",
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, rect.left,
        rect.top, rect.right - rect.left, rect.bottom - rect.top, dlg.m_hWnd, nullptr, nullptr, nullptr);
    const HFONT font = FontOf(dlg.m_lstFiles.m_hWnd);
    ::SendMessageA(plain, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const auto perThousand = [count](double ms) { return ms * 1000.0 / count; };
    const auto row = [&](const char* what, HWND list, bool redraw,
                         const std::function<void(const std::string&)>& extra) {
        ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
        if (!redraw)
            ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < count; ++i) {
            ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(paths[i].c_str()));
            if (extra)
                extra(paths[i]);
        }
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (!redraw)
            ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
        std::printf("%-60s %8.1f ms per 1,000\n", what, perThousand(ms));
    };
    const auto measureOnWindowDC = [&](const std::string& text) {
        const HDC dc = ::GetDC(plain);
        const HGDIOBJ old = ::SelectObject(dc, font);
        SIZE size{};
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        ::SelectObject(dc, old);
        ::ReleaseDC(plain, dc);
    };
    const HDC memory = ::CreateCompatibleDC(nullptr);
    const auto measureOnMemoryDC = [&](const std::string& text) {
        const HGDIOBJ old = ::SelectObject(memory, font);
        SIZE size{};
        ::GetTextExtentPoint32A(memory, text.c_str(), static_cast<int>(text.size()), &size);
        ::SelectObject(memory, old);
    };
    const auto readBack = [&](const std::string&) {
        const int last = static_cast<int>(::SendMessageA(plain, LB_GETCOUNT, 0, 0)) - 1;
        char buffer[512];
        ::SendMessageA(plain, LB_GETTEXTLEN, last, 0);
        ::SendMessageA(plain, LB_GETTEXT, last, reinterpret_cast<LPARAM>(buffer));
        ::SendMessageA(plain, WM_GETFONT, 0, 0);
        ::SendMessageA(plain, LB_GETHORIZONTALEXTENT, 0, 0);
    };
    std::printf("Where an append's time goes (%d appends)\n", count);
    row("plain list box, redraw on", plain, true, nullptr);
    row("plain list box, redraw held back", plain, false, nullptr);
    row("plain + read back text, font, extent", plain, false, readBack);
    row("plain + measure on a window DC per item", plain, false, measureOnWindowDC);
    row("plain + measure on a kept memory DC", plain, false, measureOnMemoryDC);
    row("CFileListBox, redraw on", dlg.m_lstFiles.m_hWnd, true, nullptr);
    row("CFileListBox, redraw held back", dlg.m_lstFiles.m_hWnd, false, nullptr);
    ::DeleteDC(memory);
    ::DestroyWindow(plain);

    // Sort List in its steps, on the whole list.
    CFileListBox& list = dlg.m_lstFiles;
    list.Clear();
    list.AppendAll(paths);
    std::vector<std::string> texts;
    const double read = MillisecondsOf("sort: read every text", [&] {
        for (int i = 0; i < list.Count(); ++i)
            texts.push_back(list.Text(i));
    });
    const double order = MillisecondsOf("sort: order the texts", [&] { SortListTexts(texts, SystemCodePage()); });
    const RedrawPause pause(list.m_hWnd);
    const double clear = MillisecondsOf("sort: clear", [&] { list.Clear(); });
    const double refill = MillisecondsOf("sort: refill", [&] {
        for (const std::string& text : texts)
            list.Append(text);
    });
    std::printf("Sort List of %zu items in steps: read %.1f ms, order %.1f ms, clear %.1f ms, refill %.1f ms\n",
                texts.size(), read, order, clear, refill);
    list.Clear();
}

class CBenchDlg : public CMainDlg {
public:
    std::function<void(CMainDlg&)> m_body;

    const MessageMapBase* GetMessageMap() const override
    {
        using E = MessageEntry<CBenchDlg>;
        static const E entries[] = {E::Message(WM_APP + 7, &CBenchDlg::OnRun)};
        static const MessageMap<CBenchDlg> map(CMainDlg::GetMessageMap(), entries);
        return &map;
    }
    BOOL OnInitDialog() override
    {
        const BOOL result = CMainDlg::OnInitDialog();
        ::PostMessageA(m_hWnd, WM_APP + 7, 0, 0);
        return result;
    }

private:
    LRESULT OnRun(WPARAM, LPARAM)
    {
        m_body(*this);
        EndDialog(IDOK);
        return 0;
    }
};

}  // namespace
}  // namespace cordwain

int main(int argc, char** argv)
{
    using namespace cordwain;
    if (argc > 1)
        kItems = std::max(kDropFiles, std::atoi(argv[1]) / kDropFiles * kDropFiles);
    if (argc > 2)
        kRuns = std::max(1, std::atoi(argv[2]));
    std::mt19937 random(20240601);
    const std::vector<std::string> paths = MadeUpPaths(random);
    const DropFiles files(random);
    Figures figures;
    CBenchDlg dlg;
    const bool breakdownOnly = argc > 3 && std::strcmp(argv[3], "breakdown") == 0;
    dlg.m_body = [&](CMainDlg& d) {
        Breakdown(d, paths);
        if (breakdownOnly)
            return;
        for (int run = 0; run < kRuns; ++run)
            RunOnce(d, paths, files, random, figures);
    };
    if (dlg.DoModal() != IDOK) {
        std::printf("the main window did not run\n");
        return 1;
    }
    if (breakdownOnly)
        return 0;
    std::printf("File list of %d paths of 60-120 characters, %d runs, real main window\n", kItems, kRuns);
    Print("add as one drop (WM_DROPFILES)", figures.drop);
    Print("add by LB_ADDSTRING, redraw held back", figures.addString);
    Print("Sort List", figures.sort, 2000);
    Print("Remove of the widest item", figures.removeWidest, 100);
    Print("Remove of the first item", figures.removeFirst, 100);
    Print("Remove All", figures.removeAll);
    return 0;
}
