// Acting on the next modal dialog: a watcher thread waits for a new top-level window with the
// given caption and runs an action on it, while the test thread sits in the dialog's modal loop.
//
//   wintest::ModalWatcher saveAs("Save As", [](HWND dlg) { ... wintest::ClickButton(dlg, IDOK); });
//   dialog.DoModal();
//   EXPECT_TRUE(saveAs.Finish());
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <set>
#include <string>
#include <thread>

namespace wintest {

class ModalWatcher {
public:
    // Windows already on screen are never taken for "the next" one.
    ModalWatcher(std::string caption, std::function<void(HWND)> action, DWORD timeoutMs = 10000,
                 std::string className = "#32770");
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;
    ~ModalWatcher();

    // Waits for the watcher to end; answers whether it found the window and ran the action.
    bool Finish();
    HWND Window() const { return m_found.load(); }

private:
    void Watch(DWORD timeoutMs);

    std::string m_caption;
    std::string m_className;
    std::function<void(HWND)> m_action;
    std::set<HWND> m_before;
    std::atomic<HWND> m_found{nullptr};
    std::atomic<bool> m_acted{false};
    std::thread m_thread;
};

}  // namespace wintest
