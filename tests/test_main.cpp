#include <gtest/gtest.h>

#include "framework/Runtime.h"

// The real widgets run on Qt's offscreen platform, so no display is needed.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    RuntimeInit(Platform::Offscreen);
    const int result = RUN_ALL_TESTS();
    RuntimeExit();
    return result;
}
