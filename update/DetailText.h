#pragma once
// Splits the Detail value of an update descriptor into its lines: the loose delimited-text
// rule of the framework's string lists, with the double quote as quote character.
#include <string>
#include <string_view>
#include <vector>

// Blanks and control characters (codes 1 to 32) around items are skipped; an item that
// starts with a double quote runs to its closing quote, "" inside standing for one quote;
// any other item ends at the delimiter or the next blank. A delimiter at the very end
// adds an empty item; an empty value gives none.
std::vector<std::u16string> SplitDelimitedText(std::u16string_view text, char16_t delimiter);
