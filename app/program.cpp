#include "app/program.h"

#include <algorithm>

std::string VersionText(int version_number) {
  std::string text = std::to_string(version_number);
  if (text.size() >= 1)
    text.insert(1, ".");
  if (text.size() >= 3)
    text.insert(3, ".");
  if (!text.empty() && text.back() == '0')
    text.resize(std::min<std::size_t>(3, text.size()));
  return text;
}

std::string ProgramTitle(std::string_view product, int version) {
  return std::string(product) + " " + VersionText(version);
}

namespace {

template <std::size_t N>
int IndexIn(const std::array<std::string_view, N>& names, std::string_view name) {
  const auto it = std::find(names.begin(), names.end(), name);
  return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

}  // namespace

int IconSlot(IconTable table, std::string_view name) {
  const int large = static_cast<int>(kLargeIconNames.size());
  const int menu = static_cast<int>(kMenuIconNames.size());
  int index = -1;
  switch (table) {
    case IconTable::kLarge:
      return IndexIn(kLargeIconNames, name);
    case IconTable::kMenu:
      index = IndexIn(kMenuIconNames, name);
      return index < 0 ? -1 : large + index;
    case IconTable::kToolbar:
      index = IndexIn(kToolbarIconNames, name);
      return index < 0 ? -1 : large + menu + index;
  }
  return -1;
}

int IconSlotCount() {
  return static_cast<int>(kLargeIconNames.size() + kMenuIconNames.size()
                          + kToolbarIconNames.size());
}
