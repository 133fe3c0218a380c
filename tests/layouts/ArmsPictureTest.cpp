#include <gtest/gtest.h>

#include <QImage>

#include "platform/Canvas.h"

// The shipped coat-of-arms pictures load as a colour and a black-and-white picture
// with the proportions of their field (22 x 26 mm).
TEST(ArmsPictures, ShippedPicturesLoad) {
  const struct {
    const char* name;
    bool colour;
  } pictures[] = {{"13F.BMP", true}, {"13S.BMP", false}};
  for (const auto& p : pictures) {
    platform::Picture picture;
    ASSERT_TRUE(platform::LoadPicture(QStringLiteral(QUORV_RESOURCES_DIR "/") + p.name, picture)) << p.name;
    EXPECT_EQ(picture.Image.width() * 26, picture.Image.height() * 22) << p.name;
    EXPECT_EQ(picture.Image.allGray(), !p.colour) << p.name;
  }
}
