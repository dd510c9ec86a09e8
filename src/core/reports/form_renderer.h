#pragma once

#include <span>
#include <string>

#include "forms/form_layout.h"
#include "reports/document.h"

namespace tovaris::reports {

// The court forms' page set-up: half-inch margins all round.
inline constexpr Margins kFormMargins{720, 720, 720, 720};

// Draws one form page onto the document's current page in the font `fontName`, the slots filled
// from `values`.
void RenderFormPage(Document& document, const forms::FormPage& page,
                    const forms::FormValues& values, const std::string& fontName);

// Draws the pages one after the other, each on a document page of its own, starting on the
// document's current page.
void RenderFormPages(Document& document, std::span<const forms::FormPage> pages,
                     const forms::FormValues& values, const std::string& fontName);

}  // namespace tovaris::reports
