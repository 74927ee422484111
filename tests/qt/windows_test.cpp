#include <gtest/gtest.h>
#include "gui_support.h"
TEST(Windows, Build) { cfhx::qt::testing::TestSession s; s->start(); }
