#include "numeric/KeyFilter.h"

#include <cstddef>

namespace tooling::numeric {

namespace {

// What a mode lets through and how long the box's text may grow.
struct KeySet {
    bool everyKey = false;
    bool digits = false;
    bool letters = false;
    std::string_view others;  // further characters taken
    bool blank = false;       // a blank is taken, but never as the first character
    int lengthLimit = 0;      // 0: none
};

constexpr std::string_view kExpressionKeys = "()*+-./^";
constexpr std::string_view kNameKeys = "&()+-._";
constexpr std::string_view kWildNameKeys = "&()+-._*?";

KeySet SetOf(int mode) {
    auto name = [](std::string_view others, int limit) {
        return KeySet{false, true, true, others, true, limit};
    };
    if (mode > 0) {
        return name(kNameKeys, mode);
    }
    switch (mode) {
        case -1:
            return {false, true, false, "", false, 0};
        case -2:
            return {false, true, false, "-", false, 0};
        case -4:
            return {false, true, false, ".", false, 0};
        case -5:
            return {false, true, false, "-.", false, 0};
        case -6:
            return {false, true, false, kExpressionKeys, false, 0};
        case -7:
            return {false, true, false, "()*+-./^Pp", false, 0};
        case -8:
            return {false, true, true, kExpressionKeys, false, 0};
        case -80:
            return {false, true, true, "-_", false, 8};
        case -83:
            return {false, true, true, "-._", false, 12};
        case -32:
            return name(kNameKeys, 32);
        case -321:
            return name(kNameKeys, 36);
        case -322:
            return name(kWildNameKeys, 36);
        case -48:
            return name(kNameKeys, 48);
        default:
            return {true, false, false, "", false, 0};
    }
}

bool IsDigit(int key) {
    return key >= '0' && key <= '9';
}

bool IsLetter(int key) {
    return (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z');
}

bool InSet(const KeySet& set, int key) {
    if (set.digits && IsDigit(key)) {
        return true;
    }
    if (set.letters && IsLetter(key)) {
        return true;
    }
    if (set.blank && key == ' ') {
        return true;
    }
    // Only plain ASCII codes can match one of the listed characters.
    return key > 0 && key < 128 &&
           set.others.find(static_cast<char>(key)) != std::string_view::npos;
}

}  // namespace

bool KeyInMode(int key, int mode) {
    const KeySet set = SetOf(mode);
    return set.everyKey || InSet(set, key);
}

int KeyFilter(int key, int mode, std::string_view trimmedText, int selectionLength,
              const std::function<void()>& beep) {
    if (key == kBackspace || key == kEnter) {
        return key;
    }
    const KeySet set = SetOf(mode);
    if (set.everyKey) {
        return key;
    }
    bool taken = InSet(set, key);
    if (taken && set.blank && key == ' ' && trimmedText.empty()) {
        taken = false;
    }
    if (taken && set.lengthLimit > 0 && selectionLength == 0 &&
        trimmedText.size() >= static_cast<std::size_t>(set.lengthLimit)) {
        taken = false;
    }
    if (taken) {
        return key;
    }
    if (beep) {
        beep();
    }
    return 0;
}

}  // namespace tooling::numeric
