#include "reports/report_layout.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tovaris::reports {

namespace {

constexpr double kValueGap = 120;  // twips between a label column and its values

double WidestLabel(const Document& document, const DisplayRows& rows) {
    double widest = 0;
    for (const DisplayRow& row : rows) {
        widest = std::max(widest, document.TextWidth(row.label));
    }
    return widest;
}

double WidestValue(const Document& document, const DisplayRows& rows) {
    double widest = 0;
    for (const DisplayRow& row : rows) {
        widest = std::max(widest, document.TextWidth(row.value));
    }
    return widest;
}

struct ColumnPlaces {
    double labelX;
    double valueRight;  // right edge of the values
};

ColumnPlaces PlaceColumn(const Document& document, const DisplayRows& rows, double left) {
    return {left, left + WidestLabel(document, rows) + kValueGap + WidestValue(document, rows)};
}

void WriteCell(Document& document, const DisplayRow& row, const ColumnPlaces& places) {
    document.SetX(places.labelX);
    document.WriteText(row.label);
    document.SetX(places.valueRight - document.TextWidth(row.value));
    document.WriteText(row.value);
}

struct HeadingRow {
    std::string_view custody;
    const char* claim;
    const char* other;
};

constexpr std::array<HeadingRow, 5> kPartyHeadings{{
    {"Cust", "(custodial)", "(non-custodial)"},
    {"NonCust", "(non-custodial)", "(custodial)"},
    {"Shared", "(shared custody)", "(shared custody)"},
    {"Split", "(split custody)", "(split custody)"},
    {"NoMinors", "(no minors)", "(no minors)"},
}};

}  // namespace

void KeepTogether(Document& document, size_t lines) {
    if (document.GetY() + double(lines) * document.TextHeight("") > document.BodyHeight()) {
        document.NewPage();
    }
}

void WriteHeading(Document& document, const std::string& heading) {
    const ReportFont body = document.font();
    document.SetFont(body.name, body.size, true);
    document.WriteLine(heading);
    document.SetFont(body.name, body.size, body.bold, body.italic, body.underline);
}

void WriteLines(Document& document, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        document.WriteLine(line);
    }
}

void WritePairs(Document& document, const DisplayRows& rows, double left, double gap) {
    const double valueX = left + WidestLabel(document, rows) + gap;
    for (const DisplayRow& row : rows) {
        document.SetX(left);
        document.WriteText(row.label);
        document.SetX(valueX);
        document.WriteLine(row.value);
    }
}

void WriteColumns(Document& document, const std::string& leftHeading,
                  const std::string& rightHeading, const DisplayRows& left,
                  const DisplayRows& right) {
    const ColumnPlaces leftPlaces = PlaceColumn(document, left, 0);
    const ColumnPlaces rightPlaces = PlaceColumn(document, right, document.BodyWidth() / 2);
    const ReportFont body = document.font();
    document.SetFont(body.name, body.size, true);
    document.SetX(leftPlaces.labelX);
    document.WriteText(leftHeading);
    document.SetX(rightPlaces.labelX);
    document.WriteLine(rightHeading);
    document.SetFont(body.name, body.size);
    const size_t count = std::max(left.size(), right.size());
    for (size_t i = 0; i < count; ++i) {
        if (i < left.size()) {
            WriteCell(document, left[i], leftPlaces);
        }
        if (i < right.size()) {
            WriteCell(document, right[i], rightPlaces);
        }
        document.WriteLine("");
    }
}

// The heading row is measured in bold, as it is written.
void WriteTable(Document& document, const std::vector<std::vector<std::string>>& rows) {
    const ReportFont body = document.font();
    std::vector<double> starts{0};
    for (size_t column = 0;; ++column) {
        double widest = 0;
        bool any = false;
        for (size_t r = 0; r < rows.size(); ++r) {
            if (column < rows[r].size()) {
                any = true;
                document.SetFont(body.name, body.size, r == 0);
                widest = std::max(widest, document.TextWidth(rows[r][column]));
            }
        }
        if (!any) {
            break;
        }
        starts.push_back(starts.back() + widest + 2 * kValueGap);
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        document.SetFont(body.name, body.size, r == 0);
        for (size_t column = 0; column < rows[r].size(); ++column) {
            document.SetX(starts[column]);
            document.WriteText(rows[r][column]);
        }
        document.WriteLine("");
    }
    document.SetFont(body.name, body.size, body.bold, body.italic, body.underline);
}

DisplayRows Relabelled(DisplayRows rows, std::span<const Relabel> table) {
    DisplayRows kept;
    for (DisplayRow& row : rows) {
        auto match = std::find_if(table.begin(), table.end(),
                                  [&](const Relabel& r) { return row.label == r.screen; });
        if (match != table.end()) {
            if (std::string_view(match->report).empty()) {
                continue;
            }
            row.label = match->report;
        }
        kept.push_back(std::move(row));
    }
    return kept;
}

PartyHeadings ReportPartyHeadings(const std::string& custodyType) {
    for (const HeadingRow& row : kPartyHeadings) {
        if (row.custody == custodyType) {
            const bool noMinors = custodyType == "NoMinors";
            return {std::string("Claimant ") + row.claim,
                    std::string(noMinors ? "Other Party " : "Other Parent ") + row.other};
        }
    }
    return {"Claimant ", "Other Parent "};
}

}  // namespace tovaris::reports
