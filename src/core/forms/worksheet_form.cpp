#include "forms/worksheet_form.h"

#include <array>
#include <vector>

#include "forms/worksheet_form_geometry.h"
#include "forms/worksheet_lines.h"

namespace tovaris::forms {
namespace {

using namespace sheet;

constexpr double kRow = 320;
constexpr double kTextDrop = 55;  // a text's top below its row's top
constexpr double kNoteX = 4000;

constexpr std::string_view kFooter = "WSCSS-Worksheets-Mandatory (CSW/CSWP) 01/2019 Page ";

// What a row of a worksheet page holds.
enum class RowKind {
    Part,         // a shaded part heading with its instructions reference
    ColumnHeads,  // "Column 1" / "Column 2"
    Caption,      // a text across the row, no figures
    Line,         // a worksheet line with its figures
    Line5,        // line 5 with the number of children and the amount per child
    Reserve,      // the self-support reserve of line 8
    Line24,       // line 24 with the names and ages and the paid marks
    Line25,       // line 25's first names and ages
    Factors,      // line 26's free text, `count` lines from `first`
};

struct Row {
    RowKind kind;
    std::string_view id = {};
    std::string_view text = {};
    int first = 0;
    int count = 0;
};

using R = RowKind;

// A line's printed wording where the worksheet screen shows only its first line: the letter in
// front and the lines that finish the title.
struct LineWording {
    std::string_view id;
    std::string_view prefix;
    std::array<std::string_view, 3> more;
};

constexpr LineWording kWordings[] = {
    {"7", "", {"of low income limitations (Each parent's line 6 times line 5.)"}},
    {"8a", "a. ", {"If yes, for each parent enter the presumptive $50 per child."}},
    {"8b", "b. ", {"If yes, for that parent enter the presumptive $50 per child."}},
    {"8c",
     "c. ",
     {"Reserve? If yes, for each parent subtract the self-support",
      "reserve from line 3. If that amount is less than line 7, enter that",
      "amount or the presumptive $50 per child, whichever is greater."}},
    {"9",
     "",
     {"applicable limitations (the amount of line 8a, 8b or 8c that applies, else line 7)"}},
    {"14", "", {"Expenses (multiply each number on line 13 by line 6)"}},
    {"17", "", {"whichever is greater)"}},
    {"18", "", {"line 3)"}},
    {"19", "", {"amount from line 9)"}},
    {"22c", "", {"   not required to work"}},
    {"25", "", {"(First name(s) and age(s))"}},
};

// The "(describe)" texts typed beside a line.
constexpr std::string_view kDescribed[][2] = {
    {"11d", "11d describe"}, {"16c", "16c describe"}, {"20f", "20f describe"},
    {"22g", "22g describe"}, {"23", "23 describe"},
};

constexpr std::string_view kInstructions6 = " (see Instructions, page 6)";
constexpr std::string_view kInstructions8 = " (see Instructions, page 8)";
constexpr std::string_view kInstructions9 = " (see Instructions, page 9)";

// Lines of the worksheet's free text "Other Factors For Consideration" on page 4 and page 5.
constexpr int kFactorLinesPage4 = 8;
constexpr int kFactorLinesPage5 = 14;

constexpr Row kPage1[] = {
    {R::ColumnHeads},
    {R::Part, "I", kInstructions6},
    {R::Caption, "", "1. Gross Monthly Income"},
    {R::Line, "1a"},
    {R::Line, "1b"},
    {R::Line, "1c"},
    {R::Line, "1d"},
    {R::Line, "1e"},
    {R::Line, "1f"},
    {R::Line, "1g"},
    {R::Caption, "", "2. Monthly Deductions from Gross Income"},
    {R::Line, "2a"},
    {R::Line, "2b"},
    {R::Line, "2c"},
    {R::Line, "2d"},
    {R::Line, "2e"},
    {R::Line, "2f"},
    {R::Line, "2g"},
    {R::Line, "2h"},
    {R::Line, "2i"},
    {R::Line, "3"},
    {R::Line, "4"},
    {R::Line5, "5"},
    {R::Line, "6"},
};

constexpr Row kPage2[] = {
    {R::ColumnHeads},
    {R::Part, "II"},
    {R::Line, "7"},
    {R::Caption, "", "8. Calculating low income limitations:"},
    {R::Reserve},
    {R::Line, "8a"},
    {R::Line, "8b"},
    {R::Line, "8c"},
    {R::Line, "9"},
    {R::Part, "III", kInstructions8},
    {R::Caption, "", "10. Health Care Expenses"},
    {R::Line, "10a"},
    {R::Line, "10b"},
    {R::Line, "10c"},
    {R::Line, "10d"},
    {R::Caption, "", "11. Day Care and Special Expenses"},
    {R::Line, "11a"},
    {R::Line, "11b"},
    {R::Line, "11c"},
    {R::Line, "11d"},
    {R::Line, "11e"},
    {R::Line, "12"},
    {R::Line, "13"},
    {R::Line, "14"},
    {R::Part, "IV"},
    {R::Line, "15"},
};

constexpr Row kPage3[] = {
    {R::ColumnHeads},
    {R::Part, "V", kInstructions9},
    {R::Caption, "", "16. Child Support Credits"},
    {R::Line, "16a"},
    {R::Line, "16b"},
    {R::Line, "16c"},
    {R::Line, "16d"},
    {R::Part, "VI"},
    {R::Line, "17"},
    {R::Part, "VII"},
    {R::Line, "18"},
    {R::Line, "19"},
    {R::Part, "VIII"},
    {R::Caption, "20"},
    {R::Line, "20a"},
    {R::Line, "20b"},
    {R::Line, "20c"},
    {R::Line, "20d"},
    {R::Line, "20e"},
    {R::Line, "20f"},
    {R::Line, "21"},
    {R::Caption, "22"},
    {R::Line, "22a"},
    {R::Line, "22b"},
    {R::Line, "22c"},
    {R::Line, "22d"},
};

constexpr Row kPage4[] = {
    {R::ColumnHeads},  {R::Line, "22e"},   {R::Line, "22f"},
    {R::Line, "22g"},  {R::Line, "23"},    {R::Line24, "24"},
    {R::Line25, "25"}, {R::Caption, "26"}, {R::Factors, "", "", 0, kFactorLinesPage4},
};

class WorksheetPageBuilder {
  public:
    explicit WorksheetPageBuilder(int number) : number_(number) {}

    void Rows(std::span<const Row> rows) {
        for (const Row& row : rows) {
            AddRow(row);
        }
    }

    void Title() {
        b_.CenteredText(0, kRight, "Washington State Child Support Schedule Worksheets", kTitle);
        b_.Down(420);
    }

    // Who proposes the worksheets, then the case header.
    void Header() {
        b_.Slot(0, 0, "=proposed", SlotKind::Check, kBody, kTextDrop);
        b_.Text(350, "Proposed by", kBody, kTextDrop);
        b_.Slot(1400, 0, "=proposer0", SlotKind::Check, kBody, kTextDrop);
        b_.Text(1750, "State of WA (CSWP)  ", kBody, kTextDrop);
        b_.Slot(3850, 0, "=name", SlotKind::Check, kBody, kTextDrop);
        b_.Text(4200, "(name)", kBody, kTextDrop);
        b_.Slot(4850, 2500, "=proposerName", SlotKind::Text, kBody, kTextDrop);
        b_.Rule(4800, 7400, kRow);
        b_.Down(kRow);
        b_.Text(0, "Or, ", kBody, kTextDrop);
        b_.Slot(350, 0, "=proposer4", SlotKind::Check, kBody, kTextDrop);
        b_.Text(700, "Signed by the Judicial/Reviewing Officer. (CSW)", kBody, kTextDrop);
        b_.Down(kRow + 100);
        HeaderEntry(kTitleX, "County  ", WorksheetHeader::kCounty, 1200, 4600);
        HeaderEntry(5100, "Case No.  ", WorksheetHeader::kCaseNumber, 6200, kRight);
        b_.Down(kRow);
        HeaderEntry(kTitleX, "Child/ren and Age/s: ", "=children", 1900, kRight);
        b_.Down(kRow);
        b_.Text(kTitleX, "Parents' names: ", kBody, kTextDrop);
        b_.Slot(1600, 3000, std::string(WorksheetHeader::kParentName[0]), SlotKind::Text, kBody,
                kTextDrop);
        b_.Rule(1550, 4600, kRow);
        b_.Text(4600, "        (Column 1)  ", kSmall, kTextDrop);
        b_.Slot(6250, 3000, std::string(WorksheetHeader::kParentName[1]), SlotKind::Text, kBody,
                kTextDrop);
        b_.Rule(6200, 9300, kRow);
        b_.Text(9300, "        (Column 2)", kSmall, kTextDrop);
        b_.Down(kRow + 100);
    }

    // The preparer line and the page's footer.
    void Footer(bool preparer = false) {
        b_.SetY(kFooterY);
        if (preparer) {
            b_.Slot(0, 0, "=preparer", SlotKind::Text, kSmall, -kRow);
        }
        b_.Rule(0, kRight, -30, 10);
        b_.Text(0, std::string(kFooter) + std::to_string(number_) + " of 5", kSmall);
    }

    void Extrapolation() {
        b_.Down(100);
        b_.Slot(kTitleX, 0, "=extrapolatedNote", SlotKind::Text, kBold, kTextDrop);
        b_.Down(kRow);
    }

    void Text(double x, std::string text, FormFont font = kBody) {
        b_.Text(x, std::move(text), font, kTextDrop);
        b_.Down(kRow);
    }

    void Down(double height) { b_.Down(height); }
    FormPageBuilder& builder() { return b_; }
    FormPage Take() { return b_.Take(); }

  private:
    // A caption and its entry on a rule from `from` to `to`.
    void HeaderEntry(double captionX, std::string caption, std::string_view key, double from,
                     double to) {
        b_.Text(captionX, std::move(caption), kBody, kTextDrop);
        b_.Slot(from + 50, to - from, std::string(key), SlotKind::Text, kBody, kTextDrop);
        b_.Rule(from, to, kRow);
    }

    void AddRow(const Row& row) {
        switch (row.kind) {
            case R::Part:
                return Part(WorksheetLineById(row.id).title, row.text);
            case R::ColumnHeads:
                return ColumnHeads();
            case R::Caption:
                return Caption(row.id.empty() ? row.text : WorksheetLineById(row.id).title);
            case R::Line:
                return Line(WorksheetLineById(row.id));
            case R::Line5:
                return Line5();
            case R::Reserve:
                return Reserve();
            case R::Line24:
                return Line24();
            case R::Line25:
                return Line(WorksheetLineById(row.id), SlotKind::Text);
            case R::Factors:
                return Factors(row.first, row.count);
        }
    }

    void ColumnHeads() {
        b_.Box(kColumnLeft[0], kRight, kRow, true);
        b_.VerticalRule(kColumnLeft[1], kRow);
        for (int c = 0; c < kColumns; ++c) {
            b_.CenteredText(kColumnLeft[c], kColumnWidth, c == 0 ? "Column 1" : "Column 2", kBold,
                            kTextDrop);
        }
        b_.Down(kRow);
    }

    void Part(std::string_view title, std::string_view reference) {
        b_.Box(0, kRight, kRow, true);
        b_.Text(kTitleX, std::string(title), kBold, kTextDrop);
        if (!reference.empty()) {
            b_.Follow(std::string(reference), kBody);
        }
        b_.Down(kRow);
    }

    // The row's frame: its outer edges, the column rules and its bottom rule.
    void Frame(double height, bool combined = false) {
        if (combined) {
            b_.Add(FormBox{kColumnLeft[0], b_.y(), kColumnLeft[1], b_.y() + height, true, 15});
        }
        RowFrame(b_, height);
    }

    void Caption(std::string_view text) {
        Frame(kRow);
        b_.Text(kTitleX, std::string(text), kBody, kTextDrop);
        b_.Down(kRow);
    }

    static const LineWording* WordingOf(std::string_view id) {
        for (const LineWording& wording : kWordings) {
            if (wording.id == id) {
                return &wording;
            }
        }
        return nullptr;
    }

    static double TitleX(const WorksheetLine& line) {
        const char first = line.title.empty() ? ' ' : line.title[0];
        const bool lettered =
            first >= 'a' && first <= 'i' && line.title.size() > 1 && line.title[1] == '.';
        return lettered || line.id.starts_with("8") ? kItemX : kTitleX;
    }

    // A line's title over as many rows as its wording takes; its figures stand on the last.
    void Line(const WorksheetLine& line, SlotKind kind = SlotKind::Money) {
        const LineWording* wording = WordingOf(line.id);
        std::vector<std::string> texts = {std::string(wording ? wording->prefix : "") +
                                          std::string(line.title)};
        for (std::string_view more : wording ? wording->more : std::array<std::string_view, 3>{}) {
            if (!more.empty()) {
                texts.emplace_back(more);
            }
        }
        const double height = kRow * double(texts.size());
        Frame(height, line.combined);
        const double x = TitleX(line);
        for (size_t i = 0; i < texts.size(); ++i) {
            b_.Text(x, texts[i], kBody, kTextDrop + kRow * double(i));
        }
        Describe(line.id);
        b_.Down(height - kRow);
        Figures(line, kind);
        b_.Down(kRow);
    }

    void Describe(std::string_view id) {
        for (const auto& described : kDescribed) {
            if (described[0] == id) {
                b_.Slot(kNoteX, kColumnLeft[0] - kNoteX - kCell,
                        std::string(WorksheetNoteById(described[1]).fields[0]), SlotKind::Text,
                        kBody, kTextDrop);
            }
        }
    }

    // A line of both parents together has its one figure in Column 2, where the form's arrow
    // points; Column 1 is shaded.
    void Figures(const WorksheetLine& line, SlotKind kind) {
        for (int c = 0; c < kColumns; ++c) {
            if (line.combined && c == 0) {
                continue;
            }
            const std::string key =
                std::string(line.id) + "/" + std::to_string(line.combined ? 0 : c);
            const SlotKind slotKind = line.format == LineFormat::Share ? SlotKind::Text : kind;
            const FormAlign align =
                line.format == LineFormat::Share ? FormAlign::Right : FormAlign::Left;
            b_.Slot(kColumnLeft[c] + kCell, kColumnWidth - 2 * kCell, key, slotKind, kBody,
                    kTextDrop, align);
        }
    }

    void Line5() {
        const WorksheetLine& line = WorksheetLineById("5");
        Frame(2 * kRow, true);
        b_.Text(kTitleX, std::string(line.title), kBody, kTextDrop);
        b_.Slot(4200, 0, "=extrapolated", SlotKind::Text, kBold, kTextDrop);
        b_.Down(kRow);
        b_.Text(kItemX, "Number of children: ", kBody, kTextDrop);
        b_.Slot(2150, 0, "=children5", SlotKind::Text, kBody, kTextDrop);
        b_.Text(2400, " X ", kBody, kTextDrop);
        b_.Text(2700, "$          ", kBody, kTextDrop);
        b_.Slot(2800, 900, "=perChild5", SlotKind::Text, kBody, kTextDrop, FormAlign::Right);
        b_.Text(3700, " per child", kBody, kTextDrop);
        b_.Text(4700, "(enter total amount in box -->)", kBody, kTextDrop);
        Figures(line, SlotKind::Money);
        b_.Down(kRow);
    }

    void Reserve() {
        Frame(2 * kRow, true);
        b_.Text(kItemX, "Self-Support Reserve: (125% of the Federal Poverty Guideline for a", kBody,
                kTextDrop);
        b_.Text(kItemX, "one-person family.)", kBody, kTextDrop + kRow);
        b_.Down(kRow);
        b_.Slot(kColumnLeft[1] + kCell, kColumnWidth - 2 * kCell, "=reserve", SlotKind::Money,
                kBody, kTextDrop);
        b_.Down(kRow);
    }

    void Line24() {
        Line(WorksheetLineById("24"));
        // The names and ages in each parent's cell, the label once in the title space.
        const WorksheetNote& names = WorksheetNoteById("24 name");
        Frame(2 * kRow);
        b_.Text(kItemX, std::string(names.label), kBody, kTextDrop);
        for (int c = 0; c < kColumns; ++c) {
            b_.Slot(kColumnLeft[c] + kCell, kColumnWidth - 2 * kCell, std::string(names.fields[c]),
                    SlotKind::Text, kSmall, kTextDrop);
        }
        b_.Down(kRow);
        for (int c = 0; c < kColumns; ++c) {
            const double x = kColumnLeft[c] + kCell;
            const std::string column = "/" + std::to_string(c);
            b_.Text(x, "Paid ", kSmall, kTextDrop);
            b_.Slot(x + 400, 0, "=paidYes" + column, SlotKind::Check, kSmall, kTextDrop);
            b_.Text(x + 700, "Yes  ", kSmall, kTextDrop);
            b_.Slot(x + 1100, 0, "=paidNo" + column, SlotKind::Check, kSmall, kTextDrop);
            b_.Text(x + 1400, "No", kSmall, kTextDrop);
        }
        b_.Down(kRow);
    }

    void Factors(int first, int count) {
        b_.Box(0, kRight, kRow * count + 60);
        b_.Down(30);
        for (int i = first; i < first + count; ++i) {
            b_.Slot(kTitleX, 0, "=26/" + std::to_string(i), SlotKind::Text, kBody, kTextDrop);
            b_.Down(kRow);
        }
        b_.Down(30);
    }

    int number_;
    FormPageBuilder b_;
};

FormPage Page5() {
    WorksheetPageBuilder page(5);
    page.Text(0, "   Other Factors For Consideration (continued) ", kBold);
    page.builder().Follow("(attach additional pages as necessary)", kBody);
    const Row factors[] = {{R::Factors, "", "", kFactorLinesPage4, kFactorLinesPage5}};
    page.Rows(factors);
    page.Down(200);
    FormPageBuilder& b = page.builder();
    b.Box(0, kRight, kRow, true);
    page.Text(kTitleX, "Signature and Dates", kBold);
    page.Text(0,
              "I declare, under penalty of perjury under the laws of the State of Washington, the "
              "information contained in");
    page.Text(0, "these Worksheets is complete, true, and correct.");
    constexpr std::string_view kSigners[][2] = {
        {"Petitioner's Signature", "Respondent's Signature"},
        {"Parent's Signature (Column 1)", "Parent's Signature (Column 2)"},
    };
    for (const auto& pair : kSigners) {
        page.Down(3 * kRow);
        for (int side = 0; side < 2; ++side) {
            const double x = side * 5600;
            b.Rule(x, x + 5000);
            b.Text(x, std::string(pair[side]), kSmall, kTextDrop);
        }
        page.Down(3 * kRow);
        for (int side = 0; side < 2; ++side) {
            const double x = side * 5600;
            b.Rule(x, x + 2300);
            b.Rule(x + 2700, x + 5000);
            b.Text(x, "Date", kSmall, kTextDrop);
            b.Text(x + 2700, "City", kSmall, kTextDrop);
        }
        page.Down(kRow);
    }
    page.Down(3 * kRow);
    b.Rule(0, 5000);
    b.Rule(5600, 7900);
    b.Text(0, "Judge/Reviewing Officer", kSmall, kTextDrop);
    b.Text(5600, "Date", kSmall, kTextDrop);
    page.Down(3 * kRow);
    page.Text(0,
              "This worksheet has been certified by the State of Washington Administrative Office "
              "of the Courts.",
              kSmall);
    page.Text(0, "Photocopying of the worksheet is permitted.", kSmall);
    page.Footer();
    return page.Take();
}

std::vector<FormPage> BuildWorksheetPages() {
    std::vector<FormPage> pages;
    const std::span<const Row> rows[] = {kPage1, kPage2, kPage3, kPage4};
    for (int n = 1; n <= 4; ++n) {
        WorksheetPageBuilder page(n);
        if (n == 1) {
            page.Title();
            page.Header();
        }
        page.Rows(rows[n - 1]);
        if (n == 2) {
            page.Extrapolation();
        }
        page.Footer(n == 1);
        pages.push_back(page.Take());
    }
    pages.push_back(Page5());
    return pages;
}

}  // namespace

std::span<const FormPage> WorksheetFormPages() {
    static const std::vector<FormPage> pages = BuildWorksheetPages();
    return pages;
}

}  // namespace tovaris::forms
