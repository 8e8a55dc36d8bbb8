#include "platform/text_case.h"

#include <gtest/gtest.h>

TEST(TextCase, ChangesEveryAlphabetAndKeepsOtherBytes) {
  struct Case {
    std::string_view what, lower, upper;
  };

  const Case cases[] = {
      {"ascii", "pcd1 file", "PCD1 FILE"},
      {"latin", "\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89"},           // été
      {"greek", "\xCF\x83\xCE\xB1", "\xCE\xA3\xCE\x91"},             // σα
      {"cyrillic", "\xD0\xB6", "\xD0\x96"},                          // ж
      {"four-byte letter", "\xF0\x90\x90\xA8", "\xF0\x90\x90\x80"},  // Deseret
      {"no case", "\xE6\x97\xA5 1-2", "\xE6\x97\xA5 1-2"},           // 日
      {"invalid bytes pass through", "a\xFF\xC3", "A\xFF\xC3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.upper, ToUpper(c.lower));
    EXPECT_EQ(c.lower, ToLower(c.upper));
  }
}
