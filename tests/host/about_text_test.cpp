#include <gtest/gtest.h>

#include "about/about_text.h"

namespace {

using veltrana::about::BarVersion;
using veltrana::about::versionLine;

TEST(AboutVersionLine, ShowsTheBarsVersionOrSaysPlainlyWhyNot) {
  EXPECT_EQ(versionLine({0, {{1, 0, 0, 0}}}), "Version 1.0.0");
  EXPECT_EQ(versionLine({0, {{2, 10, 3, 7}}}), "Version 2.10.3.7") << "a fourth number only when there is one";
  EXPECT_EQ(versionLine({2, {}}), "Veltrana.exe is not in this folder, so its version is unknown.");
  EXPECT_EQ(versionLine({3, {}}), "Veltrana.exe is not in this folder, so its version is unknown.");
  EXPECT_EQ(versionLine({5, {}}), "Veltrana.exe cannot be read (error 5), so its version is unknown.");
  EXPECT_EQ(versionLine({0, {}}), "Veltrana.exe in this folder carries no version.");
}

}  // namespace
