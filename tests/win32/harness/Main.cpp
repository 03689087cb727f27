#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace {
// A crash ends the test executable at once with a line saying where, instead
// of waiting for Wine's debugger until ctest's timeout.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    std::fflush(stdout);
    std::fprintf(stderr, "CRASH: exception 0x%08lx at %p\n",
                 static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode),
                 exception->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}
}  // namespace

int main(int argc, char** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(ReportCrash);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
