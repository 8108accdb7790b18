// The entry of KorTx300: the application object runs the whole program.
#include <windows.h>

#include "localtax/KorTx300App.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    CKorTx300App app;
    return app.Run(instance);
}
