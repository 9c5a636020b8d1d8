#pragma once
// Splitting an expanded command line into words. Words are separated by
// blanks (space, tab); a pair of double quotes groups blanks into one word.
// A double quote with no partner after it is an ordinary character. Nothing
// else is special: ; | & < > $ ` ' and the like are passed on literally.

#include <string>
#include <string_view>
#include <vector>

namespace ruvo::batch {

// The words with their quotes kept, as "call" hands them to %1..%9.
std::vector<std::string> splitWords(std::string_view text);

// The word with its grouping quotes removed, as a program receives it.
std::string unquote(std::string_view word);

// A file operand: unquoted, with each backslash read as a path separator.
std::string pathOperand(std::string_view word);
// The absolute form of a file operand (quotes removed, backslashes as
// separators), taken from `folder` when it is relative.
std::string resolveOperand(std::string_view folder, std::string_view word);

}  // namespace ruvo::batch
