#include "forms/worksheet_calculation.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <map>
#include <optional>

#include "case/case_record.h"
#include "common/entry_text.h"
#include "common/format.h"
#include "common/interaction.h"
#include "common/rounding.h"
#include "forms/worksheet_lines.h"
#include "forms/worksheet_sheet.h"
#include "support/basic_obligation.h"
#include "support/extrapolation.h"
#include "support/self_support_reserve.h"

namespace tovaris::forms {
namespace {

using Figures = std::array<std::optional<double>, kColumns>;

constexpr double kMinimumPerChild = 50;
constexpr double kLowCombinedIncome = 1000;
constexpr int kAdultAge = 18;

void StopForChildren(Interaction& interaction, WorksheetRun run, int child) {
    interaction.Box("Entry Error",
                    run == WorksheetRun::SplitAttachment ? kSplitAttachmentChildrenMessage
                                                         : kWorksheetChildrenMessage,
                    BoxButtons::Ok);
    interaction.FocusField(std::string(WorksheetHeader::kChildAge[child]));
}

// The children the worksheet prices: every child with an age. A child named without an age, or
// an age that is no number, stops the run as no children at all do. Returns nullopt when a
// check stopped it.
std::optional<int16_t> CountChildren(CaseRecord& record, Interaction& interaction,
                                     WorksheetRun run) {
    bool checked = run != WorksheetRun::Synopsis;
    int16_t count = 0;
    for (int k = 0; k < WorksheetHeader::kChildren; ++k) {
        const std::string& text = record.fields.Text(WorksheetHeader::kChildAge[k]);
        std::optional<double> age = ReadAmount(text);
        bool named = !record.fields.Text(WorksheetHeader::kChildName[k]).empty();
        if (!age && checked && (named || !text.empty())) {
            StopForChildren(interaction, run, k);
            return std::nullopt;
        }
        if (!age) {
            continue;
        }
        ++count;
        if (*age > kAdultAge && checked &&
            interaction.Box("Entry Warning", kWorksheetAgeWarning, BoxButtons::YesNo) ==
                kAnswerYes) {
            interaction.FocusField(std::string(WorksheetHeader::kChildAge[k]));
            return std::nullopt;
        }
    }
    if (count == 0 && checked) {
        StopForChildren(interaction, run, 0);
        return std::nullopt;
    }
    return count;
}

// The figures of the lines computed so far, read from the boxes for typed lines.
class Sheet {
  public:
    Sheet(CaseRecord& record, int16_t children)
        : record_(record),
          children_(children),
          reserve_(support::ReadSelfSupportReserve(record.fields)) {}

    void Calculate() {
        for (const WorksheetLine& line : WorksheetLines()) {
            if (line.format == LineFormat::Dollars || line.format == LineFormat::Share) {
                figures_[line.id] = Compute(line);
            }
        }
    }

  private:
    double At(std::string_view id, int column = 0) const {
        return figures_.at(id)[column].value_or(0);
    }
    bool Filled(std::string_view id, int column) const {
        return figures_.at(id)[column].has_value();
    }
    double Minimum() const { return kMinimumPerChild * children_; }

    double SumOf(std::initializer_list<std::string_view> ids, int column) const {
        double sum = 0;
        for (std::string_view id : ids) {
            sum += At(id, column);
        }
        return sum;
    }

    Figures Compute(const WorksheetLine& line) {
        Figures figures;
        if (line.formula == Formula::Typed) {
            for (int c = 0; c < kColumns; ++c) {
                figures[c] = LineFigure(record_.fields, line, c);
            }
            return figures;
        }
        int columns = line.combined ? 1 : kColumns;
        for (int c = 0; c < columns; ++c) {
            figures[c] = Rule(line.formula, c);
            if (line.format == LineFormat::Dollars && figures[c]) {
                figures[c] = RoundDollars(*figures[c]);
            }
            SetLineFigure(record_.fields, line, c, figures[c]);
        }
        return figures;
    }

    std::optional<double> Rule(Formula formula, int c) {
        switch (formula) {
            case Formula::GrossIncome:
                return SumOf({"1a", "1b", "1c", "1d", "1e", "1f"}, c);
            case Formula::TotalDeductions:
                return SumOf({"2a", "2b", "2c", "2d", "2e", "2f", "2g", "2h"}, c);
            case Formula::NetIncome:
                return At("1g", c) - At("2i", c);
            case Formula::CombinedNet:
                return At("3", 0) + At("3", 1);
            case Formula::BasicObligation:
                return BasicObligation();
            case Formula::IncomeShare:
                return At("4") == 0 ? 0 : At("3", c) / At("4");
            case Formula::BasicShare:
                return At("6", c) * At("5");
            case Formula::CombinedBelow1000:
                return At("4") < kLowCombinedIncome ? std::optional(Minimum()) : std::nullopt;
            case Formula::BelowReserve:
                return !Filled("8a", c) && At("3", c) < reserve_ ? std::optional(Minimum())
                                                                 : std::nullopt;
            case Formula::AboveReserve:
                return AboveReserve(c);
            case Formula::BasicAfterLimits:
                return BasicAfterLimits(c);
            case Formula::HealthCareTotal:
                return SumOf({"10a", "10b"}, c);
            case Formula::CombinedHealthCare:
                return At("10c", 0) + At("10c", 1);
            case Formula::SpecialTotal:
                return SumOf({"11a", "11b", "11c", "11d"}, c);
            case Formula::CombinedSpecial:
                return At("11e", 0) + At("11e", 1);
            case Formula::TotalExpenses:
                return At("10d") + At("12");
            case Formula::ExpenseShare:
                return At("6", c) * At("13");
            case Formula::GrossObligation:
                return At("9", c) + At("14", c);
            case Formula::HealthCareCredit:
                return At("10c", c);
            case Formula::SpecialCredit:
                return At("11e", c);
            case Formula::TotalCredits:
                return SumOf({"16a", "16b", "16c"}, c);
            case Formula::StandardCalculation:
                return std::max(At("15", c) - At("16d", c), Minimum());
            case Formula::FortyFivePercent:
                return 0.45 * At("3", c);
            case Formula::TwentyFivePercent:
                return 0.25 * At("9", c);
            case Formula::Heading:
            case Formula::Typed:
                break;
        }
        return std::nullopt;
    }

    double BasicObligation() {
        support::ExtrapolationMethod method =
            support::ExtrapolationOf(record_.options.extrapolation);
        support::BasicObligationLookup lookup = support::LookupBasicObligation(
            children_, static_cast<float>(At("4")), support::ExtrapolateFlagFor(method), method);
        WorksheetResults& results = record_.results.worksheet;
        results.children = children_;
        results.perChild = lookup.perChild;
        results.extrapolated = lookup.extrapolated;
        record_.fields.SetText(WorksheetNoteById("5 children").fields[0],
                               "Number of children: " + std::to_string(children_) + " X " +
                                   FormatSingle(lookup.perChild[0], kWorksheetDollars) +
                                   " per child");
        record_.fields.SetText(WorksheetNoteById("5 extrapolated").fields[0],
                               lookup.extrapolated ? "*Extrapolated*" : "");
        return lookup.total;
    }

    // A parent at or above the reserve keeps what is left above it, if that is below line 7,
    // but never less than the $50 per child minimum.
    std::optional<double> AboveReserve(int c) const {
        if (Filled("8a", c) || Filled("8b", c)) {
            return std::nullopt;
        }
        double left = At("3", c) - reserve_;
        if (left < Minimum()) {
            return Minimum();
        }
        if (left < At("7", c)) {
            return left;
        }
        return std::nullopt;
    }

    double BasicAfterLimits(int c) const {
        for (std::string_view limit : {"8a", "8b", "8c"}) {
            if (Filled(limit, c)) {
                return At(limit, c);
            }
        }
        return At("7", c);
    }

    CaseRecord& record_;
    int16_t children_;
    double reserve_;
    std::map<std::string_view, Figures> figures_;
};

}  // namespace

bool CalculateWorksheet(CaseRecord& record, Interaction& interaction, WorksheetRun run) {
    std::optional<int16_t> children = CountChildren(record, interaction, run);
    if (!children) {
        return false;
    }
    Sheet(record, *children).Calculate();
    return true;
}

}  // namespace tovaris::forms
