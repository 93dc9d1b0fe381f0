// Holds a file open as a PDF reader on Windows holds the report it shows:
// opened without sharing (share mode 0), so that no other program may open,
// replace or delete it. Says "held" on standard output once it holds the
// file and lets go when its standard input ends.
//   hold_open.exe FILE
// Built for Windows only (tests/report/CMakeLists.txt); the guard keeps the
// linters, which read every test source on Linux, from stopping here.

#ifdef _WIN32

#include <windows.h>

#include <cstdio>

int main()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count != 2) {
        std::fputs("usage: hold_open FILE\n", stderr);
        return 2;
    }
    HANDLE file = CreateFileW(arguments[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    LocalFree(arguments);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "hold_open: the file cannot be opened (error %lu)\n", GetLastError());
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    char buffer[64];
    DWORD read = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    }
    CloseHandle(file);
    return 0;
}

#endif
