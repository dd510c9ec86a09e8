#pragma once

namespace tovaris {

struct CaseRecord;
class CaseFields;
class Interaction;

namespace forms {

inline constexpr const char* kClearDeclarationQuestion =
    "Are You Sure That You Want To Delete All Entries In This Financial Declaration?";
inline constexpr const char* kTaxEstimateTitle = "Tax Estimate";
inline constexpr const char* kTaxEstimateMessage =
    "A tax estimate will be based on the income data that you entered on the Express Data Entry "
    "Screen and not the income data on this Financial Declaration. You may want to transfer "
    "income data directly to this Financial Declaration from the Express Data Entry Screen by "
    "clicking on the Get Data Command Button located at the top of this Form.";

// Empties every entry of the declaration; the declarant options and the print settings stay.
void ClearDeclaration(CaseFields& fields);

// "Clear Form": asks first, in a box titled "Warning"; true when the declaration was cleared.
bool ClearDeclarationForm(CaseFields& fields, Interaction& interaction);

// "Calculate Financial Declaration": every total line from the lines it adds up, net income as
// line 1 minus line 2, and the section 2 summary from sections 3, 7 and 9.
void CalculateDeclaration(CaseFields& fields);

// "Get Data From Express Form": the parties' incomes and deductions of the Express Entry and
// income screens into section 3, the declarant's in the "You" column. The tax lines come from
// "Estimate Taxes"; the totals from "Calculate Financial Declaration".
void GetDeclarationDataFromExpress(CaseRecord& record);

// "Estimate Taxes": the notice, the tax-only read-in and the tax steps; each party's monthly
// income taxes and FICA go to 3.B a and b. False when the read-in stopped or a step overflowed.
bool EstimateDeclarationTaxes(CaseRecord& record, Interaction& interaction);

// "Get Data From Worksheet" / "Transfer Data To Worksheet": section 3 and the worksheet's
// lines 1 to 3, the declarant's column paired with the declarant's worksheet column.
void GetDeclarationDataFromWorksheet(CaseRecord& record);
void TransferDeclarationToWorksheet(CaseRecord& record);

}  // namespace forms
}  // namespace tovaris
