#include <gtest/gtest.h>

#include "case/saved_case.h"

namespace tovaris {
namespace {

TEST(SavedCase, ChangedOnlyWhenASaveWouldWriteSomethingElse) {
    CaseRecord record;
    record.fields.SetText("ClaimantName", "Smith v. Smith");
    SavedCase saved;
    saved.Mark(record, "/cases/Smith v. Smith.QCF");
    EXPECT_EQ(saved.fileName(), "/cases/Smith v. Smith.QCF");
    EXPECT_FALSE(saved.Changed(record));

    struct Edit {
        const char* what;
        void (*apply)(CaseRecord&);
    };
    const Edit edits[] = {
        {"an Express entry", [](CaseRecord& r) { r.fields.SetText("YrsMarriage", "12"); }},
        {"an income amount", [](CaseRecord& r) { r.fields.SetText("ClaimEarned", "60000"); }},
        {"an option", [](CaseRecord& r) { r.fields.SetSelectedState("SharedOption", true); }},
    };
    for (const Edit& edit : edits) {
        CaseRecord changed = record;
        edit.apply(changed);
        EXPECT_TRUE(saved.Changed(changed)) << edit.what;
    }

    record.results.support.ChildSupportTransfer = 1234;  // results are not part of the file
    EXPECT_FALSE(saved.Changed(record));
}

TEST(SavedCase, WorksheetNoteWithAQuoteIsNotChangedByTheComparison) {
    CaseRecord record;
    record.fields.SetText("OFText", "say \"hi\"");
    SavedCase saved;
    saved.Mark(record, "");
    EXPECT_FALSE(saved.Changed(record));
    EXPECT_EQ(record.fields.Text("OFText"), "say \"hi\"");
}

}  // namespace
}  // namespace tovaris
