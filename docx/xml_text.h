#pragma once

#include <string>
#include <string_view>

namespace mathsheets::docx {

// Appends UTF-8 text as the character data of an XML element or attribute: "&", "<", ">" and the
// quote escaped, a tab or a line break as a blank, characters XML does not allow (the other
// control characters) left out, and each broken UTF-8 sequence as one U+FFFD, so that whatever a
// hand-edited file or a title holds, the part stays well-formed and shows it as text.
void AppendXmlText(std::string& out, std::string_view utf8);

}  // namespace mathsheets::docx
