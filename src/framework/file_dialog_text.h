// The texts a common file dialog is given and answers: the filter, and the names in its result
// buffer. Portable rules; CFileDialog binds them to the dialog.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/code_page.h"

// The filter text ("Text (*.txt)|*.txt|") with every '|' that is a whole character made a
// terminator, and the extra terminator that ends the list.
std::vector<char> FileDialogFilter(std::string_view filter, const CodePage& codePage);

// True when the buffer holds a whole answer within its size: entries each ended by a terminator
// and the list by an empty one. An answer that runs to the buffer's end was cut off.
bool IsWholeAnswer(std::string_view buffer);

// A multiple selection's folder joined to one of its names: no second separator after a folder
// that already ends in a backslash, and a slash for a folder written without backslashes.
std::string JoinSelectedName(std::string_view folder, std::string_view name, const CodePage& codePage);
