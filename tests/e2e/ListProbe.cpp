// Prints the entries of the alarm list that another process shows, one a line: "[x] text" or "[ ] text".
// The list view reads and writes its item structure in its own process, so the structure lives there.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

int main() {
    const HWND list = FindWindowExA(FindWindowA("frmOptions", nullptr), nullptr, WC_LISTVIEWA, nullptr);
    if (!list) return 1;
    DWORD id = 0;
    GetWindowThreadProcessId(list, &id);
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    constexpr int kTextSize = 1024;
    auto* remote =
        static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + kTextSize, MEM_COMMIT, PAGE_READWRITE));
    if (!remote) return 1;
    const auto count = SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        LVITEMA item{};
        item.iSubItem = 0;
        item.pszText = remote + sizeof item;
        item.cchTextMax = kTextSize;
        WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
        SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(remote));
        char text[kTextSize] = {};
        ReadProcessMemory(process, remote + sizeof item, text, kTextSize - 1, nullptr);
        const auto state = SendMessageA(list, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK);
        std::printf("%s %s\n", state == INDEXTOSTATEIMAGEMASK(2) ? "[x]" : "[ ]", text);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return 0;
}
