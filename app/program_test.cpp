#include "app/program.h"

#include <set>

#include <gtest/gtest.h>

TEST(VersionText, FollowsTheDigitRule) {
  EXPECT_EQ("3.2", VersionText(320));
  EXPECT_EQ("3.2.1", VersionText(321));
  EXPECT_EQ("3.0.5", VersionText(305));
  EXPECT_EQ("3.0", VersionText(300));
  EXPECT_EQ("Marlenta 3.2", ProgramTitle());
}

TEST(IconSlots, EveryNameHasItsOwnSlotAcrossTheTables) {
  std::set<int> slots;
  for (auto name : kLargeIconNames)
    slots.insert(IconSlot(IconTable::kLarge, name));
  for (auto name : kMenuIconNames)
    slots.insert(IconSlot(IconTable::kMenu, name));
  for (auto name : kToolbarIconNames)
    slots.insert(IconSlot(IconTable::kToolbar, name));
  EXPECT_EQ(static_cast<std::size_t>(IconSlotCount()), slots.size());
  EXPECT_EQ(0u, slots.count(-1));
  EXPECT_EQ(-1, IconSlot(IconTable::kLarge, "New"));
}
