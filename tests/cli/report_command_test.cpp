#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli_app.h"

namespace tovaris::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = TOVARIS_SOURCE_DIR;

std::string Example(const std::string& name) {
    return (kSource / "examples" / (name + ".QCF")).string();
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Outcome {
    int exit;
    std::string out;
    std::string err;
};

Outcome RunArgs(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int exit = RunCli(args, out, err);
    return {exit, out.str(), err.str()};
}

// A shell command's exit code and its output, standard error included.
Outcome Shell(const std::string& line) {
    const std::string command = line + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    std::array<char, 4096> buffer{};
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) {
        output.append(buffer.data(), n);
    }
    const int status = pclose(pipe);
    return {WEXITSTATUS(status), output, ""};
}

// The program itself: the PDF needs its Qt renderer.
Outcome RunProgram(const std::string& arguments) {
    return Shell(std::string(TOVARIS_CLI_PATH) + " " + arguments);
}

fs::path TempFolder() {
    const fs::path folder =
        fs::temp_directory_path() / ("tovaris_report_" + std::to_string(getpid()));
    fs::create_directories(folder);
    return folder;
}

// Without the program's renderer the text runs are laid out with the fixed measures the
// engine's golden files use, so the two must agree line for line.
TEST(CliReport, TextRunsAreTheEnginesReport) {
    for (const char* kind : {"childsupport", "maintenance"}) {
        const Outcome run =
            RunArgs({"report", kind, Example("SplitTwoEach"), "--text", "--preparer",
                     "Pat Preparer", "--office", "Main Street Family Law", "--date", "12/06/2026"});
        EXPECT_EQ(run.exit, kExitOk) << run.err;
        EXPECT_EQ(run.out, ReadFile(kSource / "tests/core/reports/golden" /
                                    (std::string(kind) + "_SplitTwoEach.txt")));
    }
}

// The worksheet documents fill an example's empty worksheet from its Express Entry data and
// print what the engine's golden files hold; the tax reports likewise.
TEST(CliReport, CourtFormsAndTaxReportsAreTheEnginesDocuments) {
    struct Case {
        const char* kind;
        const char* example;
        const char* golden;
    };
    const Case cases[] = {
        {"worksheets", "SplitTwoEach", "worksheets_SplitTwoEach.txt"},
        {"worksheets", "Custodial", "worksheets_Custodial.txt"},
        {"split-attachment", "SplitTwoEach", "split_SplitTwoEach.txt"},
        {"income", "JointFilerNewSpouse", "income_JointFilerNewSpouse.txt"},
        {"credits", "JointFilerNewSpouse", "credits_JointFilerNewSpouse.txt"},
    };
    for (const Case& c : cases) {
        const Outcome run =
            RunArgs({"report", c.kind, Example(c.example), "--text", "--preparer", "Pat Preparer",
                     "--office", "Main Street Family Law", "--date", "12/06/2026"});
        EXPECT_EQ(run.exit, kExitOk) << c.kind << run.err;
        EXPECT_EQ(run.out, ReadFile(kSource / "tests/core/reports/golden" / c.golden)) << c.kind;
    }
}

TEST(CliReport, AnEmptyOrderSummaryTakesTheWorksheetsFigures) {
    const Outcome run = RunArgs({"report", "order-summary", Example("Custodial"), "--text"});
    EXPECT_EQ(run.exit, kExitOk) << run.err;
    EXPECT_NE(run.out.find("| 6. Combined Monthly Net Income (Worksheet Line 4):  \n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("| $ 10,681\n"), std::string::npos) << run.out;
}

TEST(CliReport, SynopsisNeedsNoChildrenAndTheWorksheetsDo) {
    const Outcome synopsis =
        RunArgs({"report", "synopsis", Example("NoMinorsMaintenance"), "--text"});
    EXPECT_EQ(synopsis.exit, kExitOk) << synopsis.err;
    EXPECT_NE(synopsis.out.find("WorkSheet Synopsis"), std::string::npos);
    const Outcome worksheets =
        RunArgs({"report", "worksheets", Example("NoMinorsMaintenance"), "--text"});
    EXPECT_EQ(worksheets.exit, kExitStopped);
    EXPECT_EQ(worksheets.err.rfind("tovaris-cli: Entry Error: To Calculate the Child Support "
                                   "Worksheet",
                                   0),
              0u)
        << worksheets.err;
}

// The words of a text, in order.
std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// The texts of the --text runs, without their positions and page lines.
std::string RunTexts(const std::string& runs) {
    std::istringstream in(runs);
    std::string text;
    for (std::string line; std::getline(in, line);) {
        const size_t bar = line.find(" | ");
        if (bar != std::string::npos) {
            text += line.substr(bar + 3) + "\n";
        }
    }
    return text;
}

// A PDF reader finds every word of the document, in the order the pages were written.
TEST(CliReport, PdfTextIsTheDocumentsText) {
    const fs::path folder = TempFolder();
    for (const char* kind : {"worksheets", "synopsis", "order-summary", "income", "credits"}) {
        const std::string line = std::string("report ") + kind + " " + Example("SplitTwoEach");
        const fs::path pdf = folder / (std::string(kind) + ".pdf");
        ASSERT_EQ(RunProgram(line + " -o " + pdf.string()).exit, 0) << kind;
        const Outcome runs = RunProgram(line + " --text");
        const Outcome text = Shell("pdftotext -raw " + pdf.string() + " -");
        EXPECT_EQ(Words(text.out), Words(RunTexts(runs.out))) << kind;
    }
    fs::remove_all(folder);
}

TEST(CliReport, WorksheetPdfReadsAsTheForm) {
    const fs::path pdf = TempFolder() / "worksheets.pdf";
    const Outcome run =
        RunProgram("report worksheets " + Example("SplitTwoEach") + " -o " + pdf.string());
    ASSERT_EQ(run.exit, 0) << run.out;
    const Outcome text = Shell("pdftotext -layout " + pdf.string() + " -");
    for (const char* line :
         {"Washington State Child Support Schedule Worksheets", "Part I: Income",
          "Number of children:", "(enter total amount in box -->)",
          "WSCSS-Worksheets-Mandatory (CSW/CSWP) 01/2019 Page 5 of 5",
          "Attachment for Residential Split Adjustment", "WSCSS-Attachment for RSA"}) {
        EXPECT_NE(text.out.find(line), std::string::npos) << line << "\n" << text.out;
    }
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\f'), 6);
    fs::remove_all(pdf.parent_path());
}

TEST(CliReport, BadReportLinesAreRefusedWithOneLine) {
    const std::vector<std::vector<std::string>> lines = {
        {"report"},
        {"report", "tax", Example("Custodial"), "--text"},
        {"report", "childsupport", Example("Custodial")},
        {"report", "childsupport", Example("Custodial"), "--text", "-o", "x.pdf"},
        {"report", "childsupport", Example("Custodial"), "-o"},
        {"report", "childsupport", Example("Custodial"), "--text", "--bogus"},
    };
    for (const auto& line : lines) {
        const Outcome run = RunArgs(line);
        EXPECT_EQ(run.exit, kExitUsage) << line.size();
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST(CliReport, AStoppedCommandWritesNoReport) {
    const Outcome run = RunArgs({"report", "childsupport", Example("Custodial"), "--text",
                                 "--table", "Old", "--old-table-answer", "no"});
    EXPECT_EQ(run.exit, kExitStopped);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(run.err.rfind("tovaris-cli: Entry Error: You Are Running", 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
}

TEST(CliReport, WritesAPdfWithTheReportsText) {
    const fs::path pdf = TempFolder() / "support.pdf";
    const Outcome run = RunProgram("report childsupport " + Example("Custodial") + " -o " +
                                   pdf.string() + " --preparer 'Pat Preparer'");
    ASSERT_EQ(run.exit, 0) << run.out;
    EXPECT_TRUE(run.out.empty()) << run.out;
    const Outcome text = Shell("pdftotext -layout " + pdf.string() + " -");
    for (const char* line : {"Child Support Report For:", "Prepared By: Pat Preparer",
                             "Claimant (custodial)", "Other Parent (non-custodial)",
                             "Standard Support Calculation", "Payable By Other Parent."}) {
        EXPECT_NE(text.out.find(line), std::string::npos) << line << "\n" << text.out;
    }
    fs::remove_all(pdf.parent_path());
}

TEST(CliReport, UnwritablePathLeavesNoFileAndSaysSoOnOneLine) {
    const fs::path folder = TempFolder();
    const fs::path pdf = folder / "missing" / "report.pdf";
    const Outcome run =
        RunProgram("report maintenance " + Example("Custodial") + " -o " + pdf.string());
    EXPECT_EQ(run.exit, kExitUsage);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    EXPECT_EQ(run.out.rfind("tovaris-cli: ", 0), 0u) << run.out;
    EXPECT_FALSE(fs::exists(folder / "missing"));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace tovaris::cli
