#pragma once
#include <windows.h>

// Starts detached worker threads.
class clsThread {
public:
    // Runs ThreadProc with `parameter` on a new thread at once; the thread is not tracked or waited for.
    // Returns whether it started.
    bool CreateNewThread(LPTHREAD_START_ROUTINE ThreadProc, LPVOID parameter = nullptr);
};
