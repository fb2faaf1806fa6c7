#include <gtest/gtest.h>

#include <cstdlib>

#include "support/TestSupport.h"

// Tests never touch the real per-user options file: the configuration folder is a temporary
// one for the whole run.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    CTempDir config;
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    return RUN_ALL_TESTS();
}
