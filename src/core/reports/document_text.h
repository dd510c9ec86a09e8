#pragma once

#include <string>

#include "reports/document.h"

namespace tovaris::reports {

// The text runs of a document page by page, one per line with its position and font:
//   "y 600 x 0 Tahoma 12 b | Child Support Report For:  Smith"
// The golden files and the headless program's --text output use it.
std::string DocumentText(const Document& document);

// The plain text of one page, its runs joined line by line (what a PDF reader extracts).
std::string PageText(const DocumentPage& page);

}  // namespace tovaris::reports
