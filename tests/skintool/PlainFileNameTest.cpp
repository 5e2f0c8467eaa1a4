#include <gtest/gtest.h>

#include "tools/skintool/PlainFileName.h"

TEST(PlainFileName, OnlyNamesThatStayInsideTheFolderOnEverySystem) {
  for (const char* name : {"Options.dat", "MASTER COPY.PNG", "con2.txt", "console.bmp", ".hidden", "a..b"})
    EXPECT_TRUE(IsPlainFileName(name)) << name;
  for (const char* name : {"", ".", "..", "../evil.bmp", "a/b", "..\\evil.bmp", "C:evil", "x:stream", "CON",
                           "con.txt", "lpt1", "COM9.png", "trailing.", "trailing ", "tab\there", "a?b", "a*b"})
    EXPECT_FALSE(IsPlainFileName(name)) << name;
}
