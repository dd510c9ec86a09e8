#pragma once

namespace tovaris {

struct CaseRecord;
class Interaction;

namespace forms {

inline constexpr const char* kDataTransferTitle = "Data Transfer Option";
inline constexpr const char* kDataTransferQuestion =
    "Do You Want To Clear All Previous Entries In This Worksheet Before Transfering New Data From "
    "The Express Screen? Click YES To Clear Your Worksheet Before Transfering New Data. Click NO "
    "To Transfer New Data Without Clearing Any Other Existing Worksheet Entries.";

// "Get Data From Express Form": asks whether to clear the worksheet first, then copies the
// parties' incomes, deductions and children's expenses, the case name and the children's ages
// into the worksheet's entry lines, the Claimant into the column chosen on the Express Entry
// screen. The income screens show monthly amounts meanwhile and yearly ones afterwards. The tax
// lines 2a and 2b come from "Estimate Taxes", not from here.
void GetDataFromExpress(CaseRecord& record, Interaction& interaction);

// "Transfer Data To Express Form": the reverse copy, each figure as whole dollars.
void TransferDataToExpress(CaseRecord& record);

}  // namespace forms
}  // namespace tovaris
