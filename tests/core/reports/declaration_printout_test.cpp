// The financial declaration as printed: the five court form pages.
#include <gtest/gtest.h>

#include <string>

#include "forms/declaration_fields.h"
#include "forms/declaration_file.h"
#include "report_case.h"
#include "reports/declaration_printout.h"
#include "reports/document_text.h"

namespace tovaris::reports {
namespace {

// The example declaration with an explanation long enough to fill its box.
CaseRecord ExampleDeclaration() {
    CaseRecord record;
    const forms::DeclarationFileResult opened = forms::OpenDeclarationFile(
        record.fields, std::string(TOVARIS_SOURCE_DIR) + "/examples/Custodial.FIN");
    EXPECT_TRUE(opened.ok) << opened.message;
    std::string explanation;
    for (int i = 1; i <= 40; ++i) {
        explanation += "The rent rose by ten percent in month " + std::to_string(i) + ". ";
    }
    record.fields.SetText("a61", explanation);
    record.fields.SetText("a51", "$ 1,500");
    record.fields.SetText("c511b", "$ 9,000");
    record.fields.SetText("a511b", "Car loan");
    return record;
}

TEST(DeclarationPrintout, FivePagesMatchTheirGoldenText) {
    const Document document = testing::Composed(&ComposeDeclaration, ExampleDeclaration());
    EXPECT_EQ(document.source(), kSourceDeclaration);
    EXPECT_TRUE(document.closed());
    ASSERT_EQ(document.pages().size(), 5u);
    for (size_t p = 0; p < document.pages().size(); ++p) {
        const std::string page = PageText(document.pages()[p]);
        for (const std::string& footer :
             {std::string("FL All Family 131"), "p. " + std::to_string(p + 1) + " of 5",
              std::string("RCW 26.18.220(1)"), std::string("Mandatory Form ")}) {
            EXPECT_NE(page.find(footer), std::string::npos) << "page " << p + 1 << ": " << footer;
        }
    }
    testing::ExpectGolden(DocumentText(document), "declaration_Custodial.txt");
}

TEST(DeclarationPrintout, PrintsInTheDeclarationsFontAndSize) {
    for (const char* size : {"9", "10"}) {
        CaseRecord record = ExampleDeclaration();
        record.fields.SetText(forms::kPrintFontName, "Arial");
        record.fields.SetText(forms::kPrintSize, size);
        const Document document = testing::Composed(&ComposeDeclaration, record);
        const std::string text = DocumentText(document);
        EXPECT_NE(text.find(std::string("Arial ") + size + " | a. Wages and salary"),
                  std::string::npos)
            << size;
        EXPECT_NE(text.find("| Car loan"), std::string::npos);
    }
}

}  // namespace
}  // namespace tovaris::reports
