#include "layouts/TextBlockWidth.h"

#include <gtest/gtest.h>

#include "platform/Cp1252.h"
#include "platform/TextMeasure.h"
#include "printengine/Primitives.h"

namespace {

// A line's room by its field's alignment, in a block from 100 to 1700.
TEST(TextBlockWidth, LineRoomRunsFromTheLinesStartToTheBlocksEnd) {
  const struct {
    int X, Align, Room;
  } cases[] = {{300, quorv::kAlignLeft, 1400}, {300, 7, 1400},       {1200, quorv::kAlignRight, 1100},
               {1200, quorv::kAlignCenter, 1000}, {500, quorv::kAlignCenter, 800}, {1800, quorv::kAlignLeft, 0}};
  for (const auto& c : cases) {
    quorv::TFormField field{};
    field.X = static_cast<std::uint16_t>(c.X);
    field.Align = static_cast<std::uint16_t>(c.Align);
    EXPECT_EQ(quorv::LineRoom(field, 100, 1700), c.Room) << c.X << " align " << c.Align;
  }
}

// The widths of a line's characters, spacing included, add up to the line's
// width measured whole, as the canvas draws it.
TEST(TextBlockWidth, CharacterWidthsAddUpToTheWholeLine) {
  const QString line = QStringLiteral("Größere Schifffahrt: „Wir waren“ – 5 € mit Mühe, AVATAR fiel.");
  const std::string bytes = platform::EncodeCp1252(line);
  for (const char* face : {"Times New Roman", "Arial", "Courier New"}) {
    for (const int extra : {0, -2, 3}) {
      platform::FontSpec font;
      font.FaceName = QString::fromLatin1(face);
      font.Height = 35;
      const quorv::TCharWidths& widths = quorv::CharWidths(font, extra, 600);
      double sum = 0;
      for (const char c : bytes) sum += widths.Advance[static_cast<unsigned char>(c)];
      const double whole =
          platform::MeasureText(font, line, 600).Advance + extra * static_cast<double>(line.size());
      EXPECT_NEAR(sum, whole, 0.05) << face << ", spacing " << extra;
    }
  }
}

}  // namespace
