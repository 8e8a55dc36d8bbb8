#include "persist/text_table.h"

#include <map>

#include <gtest/gtest.h>

TEST(Text, MatchesGroupAndKeyInAnyCase) {
  struct Case {
    std::string_view group, key, text;
  };

  const Case cases[] = {
      {"msg", "ask reset to defaults",
       "Are you sure you want to reset all your settings to the default values?"},
      {"Preferences", "Medium", "Medium"},  // the key that is listed twice
      {"PREFERENCES", "image", "Image:"},
      {"Preferences", "Watermark Image", "Image"},
      {"custom-converter", "TO", "To:"},
      {"Msg", "Invalid input folder",
       "The following input folder is invalid or doesn't exist:\r\n%s1%\r\n\r\nPlease, correct "
       "the input path and try again!"},
      {"Dialog", "All Files", "All Files"},
      {"Uninstall", "Next", "Next"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(c.text, Text(c.group, c.key));
  }
}

TEST(Text, MissesGiveTheVisibleMarkerAndLeaveLaterLookupsWorking) {
  struct Case {
    std::string_view group, key;
  };

  // Unknown group or key, an empty one, a first letter no key starts with
  // (Z, \xC3\x96), a prefix or an extension of a real key, a key of another group.
  const Case misses[] = {
      {"Nowhere", "Title"},
      {"Menu", "Nothing"},
      {"Menu", ""},
      {"", "Open"},
      {"Menu", "Zz"},
      {"Menu", "Open..."},
      {"Menu", "\xC3\x96pen"},
      {"Menu", "Ope"},
      {"Menu", "Open "},
      {"Msg", "Title"},
  };
  for (const Case& c : misses) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(kNoStringError, Text(c.group, c.key));
    EXPECT_EQ("Open...", Text("Menu", "Open"));
  }
}

TEST(Text, EveryGroupHoldsAllItsEntries) {
  const std::map<std::string_view, std::size_t> sizes = {
      {"Menu", 28}, {"General", 10},         {"Msg", 41},      {"Dialog", 18}, {"Preferences", 223},
      {"About", 4}, {"Custom-Converter", 4}, {"Uninstall", 3},
  };
  std::map<std::string_view, std::size_t> found;
  for (const TextGroup& g : BuiltInTexts())
    found[g.name] = g.rows.size();
  EXPECT_EQ(sizes, found);
}

TEST(FormatText, ReplacesPlaceholdersInOrder) {
  struct Case {
    std::string_view what, text, s1, s2, s3, s4, expected;
  };

  const Case cases[] = {
      {"both counts", "Files converted: %s1% of %s2%", "7", "9", "", "", "Files converted: 7 of 9"},
      {"empty argument keeps its placeholder", "Files converted: %s1% of %s2%", "7", "", "", "",
       "Files converted: 7 of %s2%"},
      {"capital placeholder and every occurrence", "%S1% and %s1%", "a", "", "", "", "a and a"},
      {"s1 brings s2's placeholder", "[%s1%]", "%s2%", "x", "", "", "[x]"},
      {"value holding its own placeholder", "%s1%-%s1%", "%s1%", "", "", "", "%s1%-%s1%"},
      {"last two only", "%s4%/%s3%", "", "", "c", "d", "d/c"},
      {"empty text", "", "x", "y", "", "", ""},
      {"no placeholder", "%s5% %s%", "x", "y", "z", "w", "%s5% %s%"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.expected, FormatText(std::string(c.text), c.s1, c.s2, c.s3, c.s4));
  }
  EXPECT_EQ("(3/10)", FormatText(Text("Msg", "Progress"), "3", "10"));
}
