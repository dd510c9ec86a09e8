#include "forms/split_attachment.h"

#include <algorithm>
#include <string_view>

#include "case/case_record.h"
#include "common/format.h"
#include "forms/worksheet_calculation.h"
#include "forms/worksheet_form_geometry.h"
#include "forms/worksheet_lines.h"
#include "forms/worksheet_sheet.h"

namespace tovaris::forms {
namespace {

using namespace sheet;

constexpr double kRow = 290;
constexpr double kTextDrop = 40;

// A line of the attachment: its letter's wording and the lines that finish it.
struct AttachmentLine {
    std::string_view key;
    std::string_view title;
    std::string_view more;
};

constexpr AttachmentLine kLineA = {"A",
                                   "A. Copy line 9 from the Worksheets (Each parent's basic child",
                                   "support obligation after calculating applicable limitations)"};
constexpr AttachmentLine kLineB = {
    "B", "B. Basic support for the children living with this parent (the per child amount of",
    "line 5 for each child named below)"};
constexpr AttachmentLine kLinesCtoG[] = {
    {"C", "C. Line A minus line B (enter 0 when line B is higher)", ""},
    {"D", "D. Copy line 14 from the Worksheets (Each parent's obligation for health care,",
     "day care and special expenses)"},
    {"E", "E. Line C plus line D", ""},
    {"F", "F. Copy line 16d from the Worksheets (Total Support Credits)", ""},
    {"G", "G. Standard Calculation/Presumptive Transfer Payment", "(line E minus line F)"},
};

constexpr std::string_view kChildCaptions[kSplitChildren] = {
    "Child #1 (name, age):   ", "Child #2 (name, age):   ", "Child #3 (name, age):   ",
    "Child #4 (name, age):   ", "Child #5 (name, age):   "};

void Line(FormPageBuilder& b, const AttachmentLine& line) {
    const double height = line.more.empty() ? kRow : 2 * kRow;
    RowFrame(b, height);
    b.Text(kTitleX, std::string(line.title), kBody, kTextDrop);
    if (!line.more.empty()) {
        b.Text(kItemX, std::string(line.more), kBody, kTextDrop + kRow);
    }
    b.Down(height - kRow);
    MoneySlots(b, "=" + std::string(line.key) + "/", kTextDrop);
    b.Down(kRow);
}

void Children(FormPageBuilder& b) {
    for (int k = 0; k < kSplitChildren; ++k) {
        RowFrame(b, kRow);
        const std::string child = "=child" + std::to_string(k);
        b.Text(kItemX, std::string(kChildCaptions[k]), kBody, kTextDrop);
        b.Slot(2200, 4600, child, SlotKind::Text, kBody, kTextDrop);
        for (int c = 0; c < kColumns; ++c) {
            b.Slot(kColumnLeft[c] + kCell, kColumnWidth - 2 * kCell,
                   child + "/" + std::to_string(c), SlotKind::Text, kBody, kTextDrop,
                   FormAlign::Right);
        }
        b.Down(kRow);
    }
}

FormPage BuildPage() {
    FormPageBuilder b;
    b.CenteredText(0, kRight, "Attachment for Residential Split Adjustment", kTitle);
    b.Down(500);
    b.Text(0, "Attach this page to the Worksheets ", kBody);
    b.Follow("only", kBold);
    b.Follow(" when each parent has at least one of the children from this relationship living",
             kBody);
    b.Down(kRow);
    b.Text(0,
           "with him/her most of the time. Do not use this for 50/50 schedules. Do not include "
           "children from other relationships.",
           kBody);
    b.Down(kRow + 150);
    b.Box(kColumnLeft[0], kRight, kRow, true);
    b.VerticalRule(kColumnLeft[1], kRow);
    b.Text(kColumnLeft[0] + kCell, "   Column 1", kBold, kTextDrop);
    b.Text(kColumnLeft[1] + kCell, "   Column 2", kBold, kTextDrop);
    b.Down(kRow);
    Line(b, kLineA);
    Line(b, kLineB);
    Children(b);
    for (const AttachmentLine& line : kLinesCtoG) {
        Line(b, line);
    }
    b.Down(200);
    b.Text(0, "Enter the ", kBody);
    b.Follow("higher", kBold);
    b.Follow(" amount from line G into the ", kBody);
    b.Follow("Child Support Order", kItalic);
    b.Follow(" section 8, Standard Calculation,", kBody);
    b.Down(kRow);
    b.Text(0, "Residential Split as the amount for the parent paying support.", kBody);
    b.Down(2 * kRow);
    b.Text(0,
           "This worksheet has been certified by the State of Washington Administrative Office "
           "of the Courts.",
           kSmall);
    b.Down(kRow);
    b.Text(0, "Photocopying of the worksheet is permitted.", kSmall);
    b.Down(kRow);
    b.Text(0, "RCW 26.19; 77 Wn. App. 817 (1995)", kSmall);
    b.Down(kRow);
    b.SetY(kFooterY);
    b.Rule(0, kRight, -30, 10);
    b.Text(0, "Optional Form (05/16 rev. 5/2/16)", kSmall);
    b.Text(4000, "WSCSS-Attachment for RSA", kSmall);
    b.RightText(kRight, "p. 1 of 1", kSmall);
    return b.Take();
}

std::string Dollars(double value) {
    return Format(value, kWorksheetDollars);
}

}  // namespace

const FormPage& SplitAttachmentPage() {
    static const FormPage page = BuildPage();
    return page;
}

bool PrintsSplitAttachment(const CaseRecord& record) {
    return record.fields.Selected("SplitOption");
}

bool CalculateForSplitAttachment(CaseRecord& record, Interaction& interaction) {
    return !PrintsSplitAttachment(record) ||
           CalculateWorksheet(record, interaction, WorksheetRun::SplitAttachment);
}

std::array<int, kSplitChildren> SplitChildColumns(const CaseRecord& record) {
    const int claimant = ClaimantColumnIndex(record);
    std::array<int, kSplitChildren> columns{};
    for (int k = 0; k < kSplitChildren; ++k) {
        const std::string index = "(" + std::to_string(k) + ")";
        columns[k] = record.fields.Selected("ClaimChild" + index)   ? claimant
                     : record.fields.Selected("OtherChild" + index) ? 1 - claimant
                                                                    : -1;
    }
    return columns;
}

void AddSplitAttachmentValues(const CaseRecord& record, WorksheetFormValues& values) {
    const WorksheetResults& results = record.results.worksheet;
    const std::array<int, kSplitChildren> columns = SplitChildColumns(record);
    std::array<double, kColumns> childrenSum{};
    for (int k = 0; k < kSplitChildren; ++k) {
        const std::string& age = record.fields.Text(WorksheetHeader::kChildAge[k]);
        if (columns[k] < 0 || age.empty()) {
            continue;
        }
        const std::string& name = record.fields.Text(WorksheetHeader::kChildName[k]);
        const std::string child = "=child" + std::to_string(k);
        values.Set(child, name.empty() ? age : name + ", " + age);
        const double amount = k < results.children ? results.perChild[k] : 0;
        values.Set(child + "/" + std::to_string(columns[k]), Format(amount, "$###"));
        childrenSum[columns[k]] += amount;
    }
    for (int c = 0; c < kColumns; ++c) {
        const std::string column = "/" + std::to_string(c);
        const double a = LineFigure(record.fields, "9", c);
        const double lineC = std::max(a - childrenSum[c], 0.0);
        const double e = lineC + LineFigure(record.fields, "14", c);
        const double g = e - LineFigure(record.fields, "16d", c);
        const double figures[] = {a,     childrenSum[c],
                                  lineC, LineFigure(record.fields, "14", c),
                                  e,     LineFigure(record.fields, "16d", c),
                                  g};
        for (int line = 0; line < 7; ++line) {
            values.Set("=" + std::string(1, char('A' + line)) + column, Dollars(figures[line]));
        }
    }
}

}  // namespace tovaris::forms
