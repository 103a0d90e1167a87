#include <gtest/gtest.h>
#include "model/phone_layouts.h"
using namespace rw;
TEST(Placeholder, Builds) { EXPECT_EQ(LastRowIndex(FontKind::Big), 15); }
