// The entry of Kordb300: the application object runs the whole program.
#include <windows.h>

#include "debit/Kordb300App.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    CKordb300App app;
    return app.Run(instance);
}
