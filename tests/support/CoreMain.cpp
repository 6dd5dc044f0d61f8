#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    // Number formatting in messages and list lines must not depend on the user's locale.
    std::setlocale(LC_ALL, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
