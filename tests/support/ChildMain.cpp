#include <gtest/gtest.h>

#include "tests/support/ChildProcess.h"

// The main of a test program that starts child processes: a child plays its role and ends.
int main(int argc, char** argv) {
    tooling::test::ChildProcess::RunIfChild(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
