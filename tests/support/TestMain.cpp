// The main of every test program: the tests run with the activation guard on their thread, so
// that another test program on the same display cannot take the focus from their windows.
#include <gmock/gmock.h>

#include "support/ActivationGuard.h"

int main(int argc, char** argv) {
    testing::InitGoogleMock(&argc, argv);
    const kortest::ActivationGuard guard;
    return RUN_ALL_TESTS();
}
