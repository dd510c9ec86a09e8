#pragma once

#include <string>

namespace tovaris {

struct CaseRecord;
class Interaction;

namespace forms {

// Why the worksheet is calculated: for itself, for the synopsis (no entry checks, no age
// question) or before the residential split attachment is printed.
enum class WorksheetRun { Calculate, Synopsis, SplitAttachment };

inline constexpr const char* kWorksheetChildrenMessage =
    "To Calculate the Child Support Worksheet, Please Enter The Child(ren) And Their Ages";
inline constexpr const char* kSplitAttachmentChildrenMessage =
    "You Have Selected The Split Residential Option On The Express Form. To Print The Split "
    "Residence Worksheet Attachment, Please Enter The Child(ren) And Their Ages";
inline constexpr const char* kWorksheetAgeWarning =
    "You Entered An Age Greater Than 18 For A Child. Do You Want To ReEnter This Age? Click On "
    "'Yes' To ReEnter The Age. Click On 'No' To Have The Program Calculate Support For This "
    "Non-Minor Child.";

// "Calculate Worksheet": checks the children and their ages, then computes lines 1g, 2i and 3
// to 19 from the worksheet's own lines and writes them into their boxes, with the line 5 texts
// and record.results.worksheet. Returns false when an entry check stopped it (the message was
// shown and the focus moved to the field).
bool CalculateWorksheet(CaseRecord& record, Interaction& interaction,
                        WorksheetRun run = WorksheetRun::Calculate);

}  // namespace forms
}  // namespace tovaris
