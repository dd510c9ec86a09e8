#include "reports/calculator_summary.h"

#include <algorithm>
#include <sstream>

#include "reports/report_layout.h"

namespace tovaris::reports {

namespace {

// A summary is small print so that the longest projection still fits on the page.
constexpr float kSummaryFontSize = 10;
constexpr float kTitleFontSize = 14;
constexpr double kValueGap = 240;  // between a label and its value

// Breaks a text into lines no wider than the page body, at blanks.
std::vector<std::string> WrappedLines(const Document& document, const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word;
    std::string line;
    while (words >> word) {
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && document.TextWidth(longer) > document.BodyWidth()) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

// Consecutive pairs share one value column; text lines stand between them.
void WriteSectionRows(Document& document, const DisplayRows& rows) {
    DisplayRows pairs;
    auto flushPairs = [&] {
        WritePairs(document, pairs, 0, kValueGap);
        pairs.clear();
    };
    for (const DisplayRow& row : rows) {
        if (!row.value.empty()) {
            pairs.push_back(row);
            continue;
        }
        flushPairs();
        WriteLines(document, WrappedLines(document, row.label));
    }
    flushPairs();
}

// The lines run down the first column, then the next, each column as wide as the page allows.
void WriteColumnRows(Document& document, const DisplayRows& rows, int columns) {
    const size_t perColumn = (rows.size() + size_t(columns) - 1) / size_t(columns);
    const double width = document.BodyWidth() / columns;
    for (size_t line = 0; line < perColumn; ++line) {
        for (int column = 0; column < columns; ++column) {
            const size_t i = size_t(column) * perColumn + line;
            if (i < rows.size()) {
                document.SetX(column * width);
                document.WriteText(rows[i].label + (rows[i].value.empty() ? "" : "  ") +
                                   rows[i].value);
            }
        }
        document.WriteLine("");
    }
}

void WriteSection(Document& document, const SummarySection& section) {
    if (!section.heading.empty()) {
        WriteHeading(document, section.heading);
    }
    if (section.columns > 1) {
        WriteColumnRows(document, section.rows, section.columns);
    } else {
        WriteSectionRows(document, section.rows);
    }
    document.WriteLine("");
}

}  // namespace

void ComposeCalculatorSummary(Document& document, const CalculatorSummary& summary,
                              const ReportContext& context) {
    OpenCaseReport(document, summary.source);
    document.SetFont(kReportFontName, kTitleFontSize, true);
    document.WriteLine(summary.title);
    document.SetFont(kReportFontName, kSummaryFontSize);
    WriteReportHeader(document, "", "", context);  // the preparer lines; there is no case
    for (const SummarySection& section : summary.sections) {
        WriteSection(document, section);
    }
    document.ClosePreviewDocument();
}

}  // namespace tovaris::reports
