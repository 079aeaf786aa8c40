#include "alarms/clsThread.h"

void clsThread::CreateNewThread(LPTHREAD_START_ROUTINE ThreadProc) {
    const HANDLE thread = CreateThread(nullptr, 0, ThreadProc, nullptr, 0, nullptr);
    if (thread) CloseHandle(thread);
}
