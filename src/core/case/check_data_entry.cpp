#include "case/check_data_entry_steps.h"
#include "case/express_read_in.h"

namespace tovaris {
namespace {

using namespace read_in;

// Which runs leave a step out.
enum Skip : unsigned {
    kNone = 0,
    kInTaxOnly = 1,
    kInFinancialDeclaration = 2,
    kInSynopsis = 4,
};

struct Step {
    bool (*run)(EntryCheck&);
    unsigned skip;
};

// The order is part of the program's behaviour: the first failing step is the one reported.
constexpr Step kSteps[] = {
    {ReadNumChildren, kNone},
    {ReadNumMinors, kNone},
    {ReadChildAges, kNone},
    {WarnOverAge, kInTaxOnly | kInSynopsis},
    {ReadCustodyType, kNone},
    {ReadOtherChildren, kNone},
    {ReadDayCare, kNone},
    {ReadQualifiedChildren, kNone},
    {CheckQualifiedResidence, kInFinancialDeclaration},
    {ReadSpecialExpenses, kNone},
    {ReadHealthCare, kNone},
    {CheckNoMinorsType, kInTaxOnly | kInFinancialDeclaration},
    {ReadSharedTime, kNone},
    {ReadSplitCounts, kNone},
    {ReadGrossIncomes, kNone},
    {ReadChildTaxCreditCounts, kInFinancialDeclaration},
    {ReadStateTax, kInFinancialDeclaration},
    {ReadFilingStatus, kInFinancialDeclaration},
    {WarnFilingStatus, kInTaxOnly | kInFinancialDeclaration},
};

unsigned SkipMask(const ReadInMode& mode) {
    return (mode.taxOnly ? kInTaxOnly : kNone) |
           (mode.financialDeclaration ? kInFinancialDeclaration : kNone) |
           (mode.synopsis ? kInSynopsis : kNone);
}

}  // namespace

ReadInResult CheckDataEntry(CaseRecord& record, Interaction& interaction, const ReadInMode& mode) {
    EntryCheck check(record, interaction, mode);
    unsigned skipped = SkipMask(mode);
    for (const Step& step : kSteps) {
        if ((step.skip & skipped) == 0 && !step.run(check)) {
            break;
        }
    }
    return check.result();
}

}  // namespace tovaris
