// Started once before a test run with its output on /dev/null: the Wine helper processes
// (wineserver, services, the desktop) then belong to this process and not to each test, so
// CTest does not wait for them after every test.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    GetDesktopWindow();
    Sleep(INFINITE);
    return 0;
}
