#include "platform/PrinterCaps.h"

#include <gtest/gtest.h>

#include "support/FixedPrinter.h"

TEST(PrinterCaps, InstalledSourceAnswersUntilTheDefaultIsRestored) {
  platform::DeviceCaps caps;
  caps.LogPixelsX = 300;
  caps.PhysicalOffsetY = 77;
  caps.NumColors = 256;
  {
    testsupport::FixedPrinter printer(caps);
    EXPECT_EQ(platform::CurrentPrinterCaps().LogPixelsX, 300);
    EXPECT_EQ(platform::CurrentPrinterCaps().PhysicalOffsetY, 77);
    {
      platform::DeviceCaps inner;
      inner.LogPixelsX = 1200;
      testsupport::FixedPrinter nested(inner);
      EXPECT_EQ(platform::CurrentPrinterCaps().LogPixelsX, 1200);
    }
    EXPECT_EQ(platform::CurrentPrinterCaps().LogPixelsX, 300);
  }
  const platform::PrinterCapsSource previous = platform::SetPrinterCapsSource({});
  EXPECT_FALSE(previous);
  // The system's default printer, or the PDF printer when there is none.
  const platform::DeviceCaps system = platform::CurrentPrinterCaps();
  EXPECT_GT(system.LogPixelsX, 0);
  EXPECT_GT(system.PhysicalWidth, 0);
  EXPECT_GE(system.PhysicalOffsetX, 0);
}
