#include <gtest/gtest.h>

#include "record/MaterialOptic.h"
#include "support/RecordImage.h"

using namespace vitramor;

TEST(MaterialOpticLayout, Placeholder) { EXPECT_EQ(sizeof(MaterialOptic), 2128u); }
