// Two halves side by side: both run, each on its own thread, and a failure
// of the second half reaches the caller instead of ending the program.
#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "platform/DouaFire.h"

using namespace vitramor;

TEST(DouaFire, BothHalvesRunAndTheSecondHalfsExceptionReachesTheCaller) {
    std::thread::id prima, aDoua;
    InDouaFire([&] { prima = std::this_thread::get_id(); }, [&] { aDoua = std::this_thread::get_id(); });
    EXPECT_EQ(prima, std::this_thread::get_id());
    EXPECT_NE(aDoua, std::thread::id());
    EXPECT_NE(aDoua, prima);

    bool primaTerminata = false;
    EXPECT_THROW(InDouaFire([&] { primaTerminata = true; }, [] { throw std::runtime_error("a doua"); }),
                 std::runtime_error);
    EXPECT_TRUE(primaTerminata);
}
