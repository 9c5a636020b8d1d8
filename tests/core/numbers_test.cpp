#include "core/numbers.h"

#include <gtest/gtest.h>

using namespace ruvo;

TEST(Numbers, IntRoundsTowardMinusInfinity) {
  EXPECT_EQ(intFloor(1.5), 1);
  EXPECT_EQ(intFloor(-1.5), -2);
  EXPECT_EQ(intFloor(-0.0001), -1);
  EXPECT_EQ(intFloor(1e300), intFloor(1e301));  // clamped, never undefined
}

TEST(Numbers, RoundingIsHalfToEven) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(2.51), 3);
}

TEST(Numbers, LeadingNumberTakesTheLongestDecimalPrefix) {
  EXPECT_DOUBLE_EQ(leadingNumber("12.5ms"), 12.5);
  EXPECT_DOUBLE_EQ(leadingNumber("  -3"), -3);
  EXPECT_DOUBLE_EQ(leadingNumber("+7x"), 7);
  EXPECT_DOUBLE_EQ(leadingNumber(".5"), 0.5);
  EXPECT_DOUBLE_EQ(leadingNumber("1e3"), 1000);
  EXPECT_DOUBLE_EQ(leadingNumber("140.00\\nstp=3"), 140);
  EXPECT_DOUBLE_EQ(leadingNumber(""), 0);
  EXPECT_DOUBLE_EQ(leadingNumber("x12"), 0);
  EXPECT_DOUBLE_EQ(leadingNumber("inf"), 0);
  EXPECT_DOUBLE_EQ(leadingNumber("nan"), 0);
  EXPECT_DOUBLE_EQ(leadingNumber("-"), 0);
  EXPECT_DOUBLE_EQ(leadingNumber("."), 0);
  auto parsed = parseLeadingNumber(" 42abc");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->length, 3u);
}

TEST(Numbers, HexadecimalWithAmpersandH) {
  EXPECT_DOUBLE_EQ(leadingNumberOrHex("&HFF"), 255);
  EXPECT_DOUBLE_EQ(leadingNumberOrHex("&h10"), 16);
  EXPECT_DOUBLE_EQ(leadingNumberOrHex("&Hzz"), 0);
  EXPECT_DOUBLE_EQ(leadingNumberOrHex("12"), 12);
}

TEST(Numbers, ShortestFloatNeverGoesThroughDouble) {
  EXPECT_EQ(shortestFloat(120.0f), "120");
  EXPECT_EQ(shortestFloat(132.5f), "132.5");
  EXPECT_EQ(shortestFloat(0.1f), "0.1");
  EXPECT_EQ(shortestFloat(-35.0f), "-35");
}

TEST(Numbers, FixedForms) {
  EXPECT_EQ(fixed3(500), "500.000");
  EXPECT_EQ(fixed3(0.0005), "0.001");
  EXPECT_EQ(fixed2(120), "120.00");
  EXPECT_EQ(fixed2(132.456), "132.46");
  EXPECT_EQ(fixed8(55.000001), "55.00000100");
}

TEST(Numbers, ClampToInt32) {
  EXPECT_EQ(clampToInt32(1e20), 2147483647);
  EXPECT_EQ(clampToInt32(-1e20), -2147483647 - 1);
  EXPECT_EQ(clampToInt32(0.0 / 0.0), 0);
  EXPECT_EQ(clampToInt32(-3.7), -3);
}
