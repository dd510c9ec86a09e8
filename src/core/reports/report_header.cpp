#include "reports/report_header.h"

#include <array>

namespace tovaris::reports {

namespace {

constexpr double kFirstLineY = 600;
constexpr float kBodySize = 12;

}  // namespace

std::string ReportDate(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    std::array<char, 16> text{};
    std::strftime(text.data(), text.size(), "%m/%d/%Y", &local);
    return text.data();
}

void WriteReportHeader(Document& document, const std::string& title, const std::string& caseName,
                       const ReportContext& context) {
    const PreparerSettings& p = context.preparer;
    if (!caseName.empty() && caseName != " ") {
        document.WriteLine(title + caseName);
    }
    if (p.printName) {
        document.WriteLine("    Prepared By:  " + p.name);
    }
    if (p.printOffice) {
        document.WriteLine("    Office:  " + p.office);
    }
    if (p.printDate) {
        document.WriteLine("    Date:  " + context.date);
    }
    document.WriteLine("");
}

void OpenCaseReport(Document& document, const std::string& source) {
    document.OpenPreviewDocument(source);
    document.SetMargins({720, 720, 700, 360});
}

void StartCaseReport(Document& document, const std::string& title, const CaseRecord& record,
                     const ReportContext& context) {
    document.SetAlignment(kAlignLeftTop);
    document.SetFont(kReportFontName, kBodySize);
    document.SetY(kFirstLineY);
    document.WriteLine("");
    WriteReportHeader(document, title, record.fields.Text("ClaimantName"), context);
}

}  // namespace tovaris::reports
