// The entry of Korxf300: the application object runs the whole program.
#include <windows.h>

#include "transfer/Korxf300App.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    CKorxf300App app;
    return app.Run(instance);
}
