#pragma once

#include <functional>
#include <string_view>

namespace tooling::numeric {

inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;

// Decides whether a key typed into a text box is taken: returns the key, or 0 after calling
// `beep` when the box's mode refuses it. `trimmedText` is the box's text without blanks at
// either end, `selectionLength` the length of the box's selection.
int KeyFilter(int key, int mode, std::string_view trimmedText, int selectionLength,
              const std::function<void()>& beep);

// The key belongs to the set of keys the mode takes (its length limit and the rule against a
// leading blank aside).
bool KeyInMode(int key, int mode);

}  // namespace tooling::numeric
