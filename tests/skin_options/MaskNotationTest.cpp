#include "skin/data/acMaskNotation.h"

#include <gtest/gtest.h>

#include "skin/data/acSkinLoadError.h"

TEST(MaskNotation, EveryNotationBecomesTheCanonicalString) {
  const struct {
    const char* value;
    const char* canonical;
  } cases[] = {
      // border of the master bitmap: rectangle, margins, images, mask type, draw mode
      {"^0013^0039^0022^0045^0001^0001^0001^0001^3^1^5^1", "&0013003900220045000100010001000131005000000"},
      {"^13^39^22^45^1^1^1^1^3^1^5", "&0013003900220045000100010001000131005000000"},
      // without margins, long enough for word 12: that word, else half a state image less one
      {"^0000^0000^0030^0020^0000^0000^0000^0000^3^1^1^3", "&0000000000300020000300030003000331001000000"},
      {"^0000^0000^0030^0020^0000^0000^0000^0000^3^1^1^0", "&0000000000300020000400040004000431001000000"},
      {"^0000^0000^0030^0020^0000^0000^0000^0000^3^1^1", "&0000000000300020000000000000000031001000000"},
      // glyph
      {"@0026@0011@0039@0024@1@0", "&0026001100390024000000000000000010200000000"},
      // texture: the mask type is character 25; a seventh word is a file
      {"~0136~0000~0137~0120~02~0", "&0136000001370120000000000000000010102000000"},
      {"~0136~0000~0137~0120~02~1", "&0136000001370120000000000000000011102000000"},
      {"~0000~0000~0010~0010~03~0~TEX.BMP", "&0000000000100010000000000000000010103000000TEX.BMP"},
      // own file: by image type margins, rectangle or neither
      {"!BUTTONHUGE.BMP!3!1!0!0031!0031!0031!0031!5", "&0000000000000000003100310031003131005000000BUTTONHUGE.BMP"},
      {"!G.PNG!2!1!2!0001!0002!0003!0004!0", "&0001000200030004000000000000000021200000000G.PNG"},
      {"!T.BMP!1!0!1!0005!0005!0005!0005!2", "&0000000000000000000000000000000010102000000T.BMP"},
      {"!GLOW.PNG!2!0!3", "&0000000000000000000000000000000010300000000GLOW.PNG"},
      {"!X.BMP!1!0!Q!0001!0001!0001!0001", "&0000000000000000000100010001000110000000000X.BMP"},
      {"!X.BMP!1!0!7", "&0000000000000000000000000000000010400000000X.BMP"},
      // too short for fields: three stretched states of the notation's type
      {"^1", "&0000000000000000000000000000000030001000000"},
      {"!A", "&0000000000000000000000000000000030001000000A"},
      {"~1", "&0000000000000000000000000000000030101000000"},
      {"@1", "&0000000000000000000000000000000030201000000"},
      // a bare file name, and a canonical value (both upper-cased)
      {"pic.bmp", "&0000000000000000000000000000000010100000000PIC.BMP"},
      {"&0013003900220045000100010001000131005000000x.bmp", "&0013003900220045000100010001000131005000000X.BMP"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormaliseMask(c.value), c.canonical) << c.value;
}

TEST(MaskNotation, CanonicalStringGivesTheElementFields) {
  const TacCanonicalMask m = ParseCanonicalMask("&0013003900220045000100020003000431005000000BUTTONHUGE.BMP");
  EXPECT_EQ(m.R, (TRect{13, 39, 22, 45}));
  EXPECT_EQ(m.WL, 1);
  EXPECT_EQ(m.WT, 2);
  EXPECT_EQ(m.WR, 3);
  EXPECT_EQ(m.WB, 4);
  EXPECT_EQ(m.ImageCount, 3);
  EXPECT_EQ(m.MaskType, 1);
  EXPECT_EQ(m.ImgType, TacImgType::itisaBorder);
  EXPECT_EQ(m.DrawMode, 5);
  EXPECT_EQ(m.FileName, "BUTTONHUGE.BMP");
  EXPECT_EQ(ParseCanonicalMask("&0000000000000000000000000000000010712000000").ImgType, TacImgType::itisaPngGlyph);
  EXPECT_EQ(ParseCanonicalMask("&0000000000000000000000000000000010712000000").DrawMode, 12);
}

TEST(MaskNotation, MalformedNumbersStopTheLoad) {
  for (const char* value : {"^00A3^0000^0001^0001", "^12345^0000^0001^0001", "@0001@0001@0002@0002@12@0",
                            "~0000~0000~0010~0010~03~X"})
    EXPECT_THROW(NormaliseMask(value), SkinLoadError) << value;
  for (const char* canonical : {"&123", "&00130039002200450001000100010001310X5000000", "00130039002200450001000100010001310050000000"})
    EXPECT_THROW(ParseCanonicalMask(canonical), SkinLoadError) << canonical;
}

TEST(MaskNotation, ElementValuesAreRecognisedByTheirFirstCharacterOrImageName) {
  for (const char* v : {"^1", "&", "@1", "~1", "!A", "Y.BMP", "PHOTO.JPG"}) EXPECT_TRUE(IsMaskValue(v)) << v;
  for (const char* v : {"", "X.PNG", "N/A", "-5", "16777215;0;97;0;0"}) EXPECT_FALSE(IsMaskValue(v)) << v;
}
