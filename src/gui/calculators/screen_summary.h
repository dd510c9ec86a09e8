#pragma once

#include "reports/calculator_summary.h"

class QWidget;

namespace tovaris::gui {

// A calculator window's summary as it stands on the screen: the title, then each frame's caption
// with its rows (labels, entries, the chosen options, slider positions) in the frame's order,
// then the lists. What is hidden is left out, so the page shows what the user sees.
reports::CalculatorSummary SummaryOfScreen(const QWidget& window);

}  // namespace tovaris::gui
