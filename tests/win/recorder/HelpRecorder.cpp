// Stands in for the program that opens .html files in the test prefix: it
// appends the path it was asked to open, as UTF-8, to the file named by its
// first argument, so that a test can see what reached the shell.

#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 1;
    int bytes = WideCharToMultiByte(CP_UTF8, 0, argv[2], -1, nullptr, 0, nullptr, nullptr);
    std::string line(bytes > 0 ? bytes - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, argv[2], -1, line.data(), bytes, nullptr, nullptr);
    line += '\n';
    FILE* log = _wfopen(argv[1], L"ab");
    if (!log) return 1;
    fwrite(line.data(), 1, line.size(), log);
    fclose(log);
    return 0;
}
