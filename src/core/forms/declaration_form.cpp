#include "forms/declaration_form.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "case/case_fields.h"
#include "forms/declaration_fields.h"

namespace tovaris::forms {
namespace {

using S = DeclarationSection;

constexpr double kRight = 10800;
constexpr double kRow = 260;
constexpr double kLabelX = 100;
constexpr double kIndentX = 600;
constexpr double kFooterY = 14100;
constexpr double kMoneyWidth = 1800;
constexpr double kYouX = 7000;    // "You" money column
constexpr double kOtherX = 9000;  // the other party's, and every single figure
constexpr size_t kWrapCharacters = 95;
constexpr int kWrapLines = 6;        // the form's explanation boxes
constexpr int kWrappedLength = 200;  // texts longer than this fill such a box
constexpr size_t kLongLabel = 48;    // a text after a longer label goes on the next row

// Where the cells of a group's lines stand: x and width, and whether the cell is money.
struct CellPlace {
    double x = 0;
    double width = 0;
};

struct GroupPlaces {
    std::string_view group;
    std::array<CellPlace, 7> cells;
};

constexpr CellPlace kYou{kYouX, kMoneyWidth};
constexpr CellPlace kOther{kOtherX, kMoneyWidth};

constexpr GroupPlaces kPlaces[] = {
    {"income", {kYou, kOther}},
    {"deductions", {kYou, kOther}},
    {"net", {kYou, kOther}},
    {"otherincome", {kYou, kOther, CellPlace{3400, 3400}}},
    {"household.you", {CellPlace{kIndentX, 6000}, kOther}},
    {"household.other", {CellPlace{kIndentX, 6000}, kOther}},
    {"household.total", {kYou, kOther}},
    {"utilities", {kOther, CellPlace{2400, 4000}}},
    {"food", {kOther, CellPlace{2400, 4000}}},
    {"otherexpenses", {kOther, CellPlace{2400, 4000}}},
    {"expensedebts",
     {CellPlace{400, 3000}, CellPlace{3500, 2800}, CellPlace{6500, 2000}, CellPlace{8800, 2000}}},
    {"otherdebts",
     {CellPlace{400, 1800}, CellPlace{2300, 1800}, CellPlace{4200, 1400}, CellPlace{5700, 1400},
      CellPlace{7200, 1100}, CellPlace{8400, 1200}, CellPlace{9700, 1100}}},
};

// The group each page after the first starts with.
constexpr std::string_view kPageStarts[] = {"deductions", "assets", "transportation",
                                            "explanation"};

const CellPlace* PlaceOf(std::string_view group, int cell) {
    for (const GroupPlaces& places : kPlaces) {
        if (places.group == group) {
            return &places.cells[cell];
        }
    }
    return nullptr;
}

bool IsPageStart(std::string_view group) {
    for (std::string_view start : kPageStarts) {
        if (start == group) {
            return true;
        }
    }
    return false;
}

constexpr std::string_view kFinancialRecords[] = {
    "Personal Income Tax Returns",
    "Partnership or Corporate Income Tax Returns",
    "Pay stubs",
    "Other financial records",
};

class DeclarationPages {
  public:
    explicit DeclarationPages(int printSize)
        : body_{static_cast<float>(printSize)},
          bold_{static_cast<float>(printSize), true},
          small_{static_cast<float>(printSize) - 1},
          title_{static_cast<float>(printSize) + 5, true} {}

    std::vector<FormPage> Build() {
        Caption();
        S section = S::Caption;
        for (const DeclarationGroup& group : DeclarationGroups()) {
            if (group.section == S::Caption || group.section == S::PrintSettings) {
                continue;
            }
            if (IsPageStart(group.id)) {
                NextPage();
            }
            if (group.section != section) {
                section = group.section;
                SectionTitle(DeclarationSectionOf(section));
            }
            Group(group);
        }
        Signature();
        Footer();
        pages_.push_back(b_.Take());
        return std::move(pages_);
    }

  private:
    void Caption() {
        b_.Text(kLabelX, "Superior Court of Washington, County of ", body_);
        b_.Slot(4200, 3000, "County", SlotKind::Text, bold_);
        b_.Down(kRow * 1.5);
        b_.Text(kLabelX, "In re:", bold_);
        b_.Text(6200, "No. ", body_);
        b_.Slot(6700, 3000, "No", SlotKind::Text, bold_);
        b_.Down(kRow);
        const double namesTop = b_.y();
        for (auto [label, first, second] :
             {std::array<const char*, 3>{"Petitioner/s (list names):", "Petit", "petit2"},
              std::array<const char*, 3>{"And Respondent/s (list names):", "Respond",
                                         "Respond2"}}) {
            b_.Text(kLabelX, label, body_);
            b_.Down(kRow);
            for (const char* stem : {first, second}) {
                b_.Slot(kIndentX, 5200, stem, SlotKind::Text, body_);
                b_.Rule(kIndentX, 5800, kRow - 20);
                b_.Down(kRow);
            }
        }
        const double namesBottom = b_.y();
        b_.SetY(namesTop);
        b_.CenteredText(6200, 4600, "Financial Declaration of", title_);
        b_.Down(kRow * 1.6);
        b_.Slot(6300, 4400, "Nameof", SlotKind::Text, bold_, 0, FormAlign::Center);
        b_.Rule(6300, kRight, kRow - 20);
        b_.Down(kRow);
        b_.CenteredText(6200, 4600, "(name)", small_);
        b_.Down(kRow);
        b_.CenteredText(6200, 4600, "(FNDCLR)", body_);
        b_.SetY(std::max(b_.y(), namesBottom) + kRow);
        b_.Rule(0, kRight);
        b_.Down(kRow / 2);
        b_.Text(kLabelX, "I am the: ", body_);
        b_.Slot(1500, 400, "=petitioner", SlotKind::Check, body_);
        b_.Text(1900, "Petitioner", body_);
        b_.Slot(3300, 400, "=respondent", SlotKind::Check, body_);
        b_.Text(3700, "Respondent", body_);
        b_.Text(5400, "Name of the person signing: ", body_);
        b_.Slot(7800, 3000, "Name1", SlotKind::Text, bold_);
        b_.Down(kRow * 1.5);
    }

    void SectionTitle(const DeclarationSectionInfo& info) {
        b_.Down(kRow / 3);
        b_.Box(0, kRight, kRow, true);
        b_.Text(kLabelX, std::string(info.title), bold_, 20);
        b_.Down(kRow * 1.2);
        if (!info.instructions.empty()) {
            b_.Text(kLabelX, std::string(info.instructions), small_);
            b_.Down(kRow);
        }
        if (info.section == S::Income) {
            b_.Text(kLabelX, "Tip: ", bold_);
            b_.Follow("Monthly income = Weekly X 4.3 ", body_);
            b_.Follow("or", body_);
            b_.Follow(" 2-week X 2.15 ", body_);
            b_.Follow("or", body_);
            b_.Follow(" Twice a month X 2", body_);
            b_.Down(kRow);
        }
    }

    void Group(const DeclarationGroup& group) {
        if (!group.title.empty()) {
            b_.Text(kLabelX, std::string(group.title), bold_);
            b_.Down(kRow);
        }
        Headings(group);
        const DeclarationField* previous = nullptr;
        for (const DeclarationField& field : DeclarationFields()) {
            if (field.group != group.id) {
                continue;
            }
            bool sameLine = previous != nullptr && previous->label == field.label &&
                            previous->cell < field.cell;
            if (!sameLine) {
                if (previous != nullptr) {
                    EndLine();
                }
                b_.Text(kLabelX, std::string(field.label), body_);
            }
            Field(group, field);
            previous = &field;
        }
        EndLine();
    }

    void Headings(const DeclarationGroup& group) {
        bool any = false;
        for (int cell = 0; cell < 7; ++cell) {
            const CellPlace* place = PlaceOf(group.id, cell);
            std::string_view heading = group.cellHeadings[cell];
            if (place != nullptr && !heading.empty()) {
                b_.CenteredText(place->x, place->width, std::string(heading), small_);
                any = true;
            }
        }
        if (any) {
            b_.Down(kRow);
        }
    }

    void Field(const DeclarationGroup& group, const DeclarationField& field) {
        const std::string key(field.stem);
        const CellPlace* place = PlaceOf(group.id, field.cell);
        if (field.kind == DeclarationKind::Amount) {
            CellPlace money = place != nullptr ? *place : kOther;
            b_.Slot(money.x, money.width, key, SlotKind::Money, body_);
            b_.Rule(money.x, money.x + money.width, kRow - 20);
            return;
        }
        if (place != nullptr) {
            b_.Slot(place->x, place->width, key, SlotKind::Text, body_);
            b_.Rule(place->x, place->x + place->width, kRow - 20);
            return;
        }
        if (field.maxLength > kWrappedLength) {
            for (int line = 0; line < kWrapLines; ++line) {
                b_.Down(kRow);
                b_.Slot(kIndentX, kRight - kIndentX, key + "#" + std::to_string(line),
                        SlotKind::Text, body_);
                b_.Rule(kIndentX, kRight, kRow - 20);
            }
            return;
        }
        if (field.label.size() > kLongLabel) {
            b_.Down(kRow);
        }
        double x = field.label.size() > kLongLabel ? kIndentX : 4800;
        b_.Slot(x, kRight - x, key, SlotKind::Text, body_);
        b_.Rule(x, kRight, kRow - 20);
    }

    void EndLine() { b_.Down(kRow); }

    void Signature() {
        b_.Down(kRow);
        b_.Text(kLabelX,
                "I declare under penalty of perjury under the laws of the state of Washington "
                "that the facts I have ",
                body_);
        b_.Down(kRow);
        b_.Text(kLabelX, "provided on this form are true.", body_);
        b_.Down(kRow * 2.5);
        b_.Rule(kLabelX, 5000);
        b_.Rule(5600, kRight);
        b_.Slot(5700, 5000, "Name1", SlotKind::Text, body_, -kRow + 40);
        b_.Text(kLabelX, "Sign here", small_, 20);
        b_.Text(5600, "Print name", small_, 20);
        b_.Down(kRow * 2.5);
        b_.Rule(kLabelX, 5000);
        b_.Rule(5600, kRight);
        b_.Text(kLabelX, "Signed at (city and state)", small_, 20);
        b_.Text(5600, "Date", small_, 20);
        b_.Down(kRow * 2);
        b_.Box(0, kRight, kRow * 8.5);
        b_.Down(kRow / 3);
        b_.Text(kLabelX, "Important! Financial records", bold_);
        b_.Down(kRow);
        b_.Text(kLabelX,
                "If you are asking for child support or spousal support (maintenance), you must "
                "file these financial records:",
                body_);
        b_.Down(kRow);
        for (std::string_view record : kFinancialRecords) {
            b_.Text(kIndentX, "- " + std::string(record), body_);
            b_.Down(kRow);
        }
        b_.Text(kLabelX, "Do not attach them to this Financial Declaration. File them under the",
                body_);
        b_.Down(kRow);
        b_.Text(kLabelX, "Sealed Financial Source Documents ", bold_);
        b_.Follow("cover sheet (form FL All Family 011), so that they are not open to the public.",
                  body_);
        b_.Down(kRow);
    }

    void Footer() {
        b_.SetY(kFooterY);
        b_.Rule(0, kRight);
        b_.Down(kRow / 3);
        b_.Text(0, "RCW 26.18.220(1)", small_);
        b_.CenteredText(0, kRight, "Financial Declaration", small_);
        b_.RightText(kRight, "p. " + std::to_string(pages_.size() + 1) + " of 5", small_);
        b_.Down(kRow);
        b_.Text(0, "Mandatory Form ", small_);
        b_.Follow("(09/2016)", small_);
        b_.Down(kRow);
        b_.Text(0, "FL All Family 131", small_);
    }

    void NextPage() {
        Footer();
        pages_.push_back(b_.Take());
        b_ = FormPageBuilder();
    }

    FormFont body_;
    FormFont bold_;
    FormFont small_;
    FormFont title_;
    FormPageBuilder b_;
    std::vector<FormPage> pages_;
};

// A long text cut into lines at blanks, at most kWrapCharacters each.
std::vector<std::string> WrappedLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = start + kWrapCharacters;
        if (end >= text.size()) {
            lines.push_back(text.substr(start));
            break;
        }
        size_t blank = text.rfind(' ', end);
        if (blank == std::string::npos || blank <= start) {
            blank = end;
        }
        lines.push_back(text.substr(start, blank - start));
        start = text.find_first_not_of(' ', blank);
        if (start == std::string::npos) {
            break;
        }
    }
    return lines;
}

}  // namespace

std::span<const FormPage> DeclarationFormPages(int printSize) {
    static const std::map<int, std::vector<FormPage>> pages = {{9, DeclarationPages(9).Build()},
                                                               {10, DeclarationPages(10).Build()}};
    return pages.at(printSize == 9 ? 9 : 10);
}

std::string DeclarationFormValue(const CaseFields& fields, std::string_view key) {
    if (key == "=petitioner" || key == "=respondent") {
        bool respondent = fields.Selected(kDeclarantRespondent);
        return (key == "=respondent") == respondent ? "X" : "";
    }
    size_t hash = key.find('#');
    if (hash == std::string_view::npos) {
        return fields.Text(key);
    }
    std::vector<std::string> lines = WrappedLines(fields.Text(key.substr(0, hash)));
    size_t line = static_cast<size_t>(std::stoi(std::string(key.substr(hash + 1))));
    if (line + 1 == static_cast<size_t>(kWrapLines) && lines.size() > line + 1) {
        return lines[line] + " ...";  // the box is full: the rest goes on an attached page
    }
    return line < lines.size() ? lines[line] : std::string();
}

}  // namespace tovaris::forms
