#include "alarms/clsThread.h"

bool clsThread::CreateNewThread(LPTHREAD_START_ROUTINE ThreadProc, LPVOID parameter) {
    const HANDLE thread = CreateThread(nullptr, 0, ThreadProc, parameter, 0, nullptr);
    if (thread) CloseHandle(thread);
    return thread != nullptr;
}
