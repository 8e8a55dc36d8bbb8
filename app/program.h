#pragma once

#include <array>
#include <string>
#include <string_view>

inline constexpr std::string_view kProductTitle = "Marlenta";
inline constexpr int kVersionNumber = 320;

/// "3.2" for 320, "3.2.1" for 321, "3.0.5" for 305, "3.0" for 300.
std::string VersionText(int version_number);

/// The product title, one space and the version text: "Marlenta 3.2".
std::string ProgramTitle(std::string_view product = kProductTitle, int version = kVersionNumber);

// Named picture slots of the interface; each name has its own slot, distinct
// across the three tables (the toolbar repeats the menu names).
inline constexpr std::array<std::string_view, 3> kLargeIconNames = {"Convert", "InFiles",
                                                                    "InFolder"};
inline constexpr std::array<std::string_view, 22> kMenuIconNames = {"New",
                                                                    "Add",
                                                                    "InFiles",
                                                                    "InFolder",
                                                                    "OutFolder",
                                                                    "OutFormat",
                                                                    "FavFolder",
                                                                    "ImportFiles",
                                                                    "ExportFiles",
                                                                    "Exit",
                                                                    "Copy",
                                                                    "Delete",
                                                                    "SelectAll",
                                                                    "Convert",
                                                                    "Error",
                                                                    "Preferences",
                                                                    "CustomConverter",
                                                                    "Help",
                                                                    "Email",
                                                                    "Web",
                                                                    "Updates",
                                                                    "About"};
inline constexpr std::array<std::string_view, 22> kToolbarIconNames = kMenuIconNames;

enum class IconTable { kLarge, kMenu, kToolbar };

/// The slot of an icon name in one table, or -1 when the table has no such name.
int IconSlot(IconTable table, std::string_view name);

/// Number of slots across all three tables.
int IconSlotCount();
