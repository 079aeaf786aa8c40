#pragma once
#include <windows.h>

// Starts detached worker threads.
class clsThread {
public:
    // Runs ThreadProc on a new thread at once; the thread is not tracked or waited for.
    void CreateNewThread(LPTHREAD_START_ROUTINE ThreadProc);
};
