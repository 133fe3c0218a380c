#include "layouts/TextBlockWidth.h"

#include <algorithm>
#include <map>
#include <memory>
#include <tuple>

#include "platform/Cp1252.h"
#include "platform/TextMeasure.h"
#include "printengine/Primitives.h"

namespace quorv {

namespace {

// Face, weight, italic, height, spacing and resolution: what the advances depend on.
using WidthsKey = std::tuple<QString, int, bool, int, int, int>;
constexpr std::size_t kKeptFonts = 32;

std::unique_ptr<TCharWidths> MeasuredWidths(const platform::FontSpec& font, int characterExtra, int dpi) {
  auto widths = std::make_unique<TCharWidths>();
  for (int b = 32; b < 256; ++b) {
    const platform::TextExtent e =
        platform::MeasureText(font, QString(QChar(platform::Cp1252ToUnicode(static_cast<std::uint8_t>(b)))), dpi);
    const auto i = static_cast<std::size_t>(b);
    widths->Advance[i] = e.Advance + characterExtra;
    widths->Reach[i] = std::max(e.Advance, e.InkRight);
  }
  return widths;
}

}  // namespace

int LineRoom(const TFormField& field, int blockStart, int blockEnd) {
  const int x = field.X;
  int room = blockEnd - x;
  if (field.Align == kAlignRight) room = x - blockStart;
  if (field.Align == kAlignCenter) room = 2 * std::min(blockEnd - x, x - blockStart);
  return std::max(room, 0);
}

const TCharWidths& CharWidths(const platform::FontSpec& font, int characterExtra, int dpi) {
  static std::map<WidthsKey, std::unique_ptr<TCharWidths>> kept;
  const WidthsKey key{font.FaceName, font.Weight, font.Italic, font.Height, characterExtra, dpi};
  if (const auto found = kept.find(key); found != kept.end()) return *found->second;
  if (kept.size() >= kKeptFonts) kept.clear();
  return *kept.emplace(key, MeasuredWidths(font, characterExtra, dpi)).first->second;
}

TLineWidthLimit BlockLineLimit(const platform::FontSpec& font, int characterExtra, const TFormField& field,
                               int blockStart, int blockEnd, int dpi) {
  return TLineWidthLimit{&CharWidths(font, characterExtra, dpi),
                         static_cast<double>(LineRoom(field, blockStart, blockEnd))};
}

}  // namespace quorv
