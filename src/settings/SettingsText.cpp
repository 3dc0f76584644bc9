#include "settings/SettingsText.h"

namespace tokiwake {

namespace {
constexpr std::string_view kLineEnd = "\r\n";
}

std::vector<Text> ParseListText(std::string_view text) {
  std::vector<Text> items;
  // Cutting a view instead of SplitHead on a copy keeps a file of millions of lines linear.
  std::string_view rest = BeforeNul(text);
  for (int32_t at = SjisPos(kLineEnd, rest); at > 0; at = SjisPos(kLineEnd, rest)) {
    const size_t headLength = static_cast<size_t>(at - 1);
    items.emplace_back(rest.substr(0, headLength));
    rest.remove_prefix(headLength + kLineEnd.size());
  }
  return items;
}

Text FormatListText(const std::vector<Text>& items) {
  size_t length = 0;
  for (const Text& item : items) length += item.size() + kLineEnd.size();
  Text text;
  text.reserve(length);
  for (const Text& item : items) {
    text += item;
    text += kLineEnd;
  }
  return text;
}

Text FirstLine(std::string_view text) {
  const std::string_view content = BeforeNul(text);
  const int32_t at = SjisPos(kLineEnd, content);
  return Text(at > 0 ? content.substr(0, static_cast<size_t>(at - 1)) : content);
}

}  // namespace tokiwake
