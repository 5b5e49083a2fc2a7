#include <gtest/gtest.h>
#include "ui/ui.h"
TEST(Smoke, Builds) { SUCCEED(); }
