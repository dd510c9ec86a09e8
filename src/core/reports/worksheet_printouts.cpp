#include "reports/worksheet_printouts.h"

#include "forms/form_layout.h"
#include "forms/split_attachment.h"
#include "forms/worksheet_form.h"
#include "forms/worksheet_reports.h"
#include "reports/form_renderer.h"

namespace tovaris::reports {

namespace {

using forms::FormFont;
using forms::FormPage;
using forms::FormPageBuilder;
using forms::ReportLine;

constexpr double kRight = 10800;
constexpr double kReportRow = 300;
constexpr FormFont kReportBody{10};
constexpr FormFont kReportBold{10, true};
constexpr FormFont kReportTitle{14, true};
// The synopsis' two parents' figures end here.
constexpr double kParentRight[] = {8200, 10600};

// The worksheet font of the case, the reports' own where the case has none.
std::string FormFontName(const CaseRecord& record) {
    const std::string& name = record.globals.WorksheetFontName;
    return name.empty() ? kReportFontName : name;
}

std::string PreparerName(const ReportContext& context) {
    return context.preparer.printName ? context.preparer.name : std::string();
}

void OpenForm(Document& document, const std::string& source) {
    document.OpenPreviewDocument(source);
    document.SetMargins(kFormMargins);
}

void RenderSplitAttachment(Document& document, const CaseRecord& record,
                           forms::WorksheetFormValues& values) {
    forms::AddSplitAttachmentValues(record, values);
    RenderFormPage(document, forms::SplitAttachmentPage(), std::cref(values), FormFontName(record));
}

// A caption and its figure that do not fit one line of the page together.
constexpr size_t kLineCharacters = 80;
constexpr double kIndent = 400;

void CaptionAndFigure(FormPageBuilder& b, const ReportLine& line) {
    b.Text(0, line.label, kReportBody);
    // A question ("... (check one):") has its answers on the line below.
    const bool question = !line.column1.empty() && !line.label.empty() && line.label.back() == ':';
    if (!question && line.label.size() + line.column1.size() <= kLineCharacters) {
        b.Follow(line.column1, kReportBody);
        return;
    }
    b.Down(kReportRow);
    b.Text(kIndent, line.column1, kReportBody);
}

// The parents' column heads, "Parent 1  name": the caption over the name.
void ColumnHeads(FormPageBuilder& b, const ReportLine& line) {
    for (int c = 0; c < 2; ++c) {
        const std::string& head = c == 0 ? line.column1 : line.column2;
        const size_t gap = head.find("  ");
        b.RightText(kParentRight[c], head.substr(0, gap), kReportBold);
        if (gap != std::string::npos) {
            b.RightText(kParentRight[c], head.substr(gap + 2), kReportBold, kReportRow);
        }
    }
    b.Down(kReportRow);
}

// A report of lines: the first `titles` centred in large bold type, then each line's caption with
// its figures. With `columns` the figures stand right-aligned in the two parents' columns under
// their heads (the line without a caption), else the first goes on after its caption.
FormPage ReportLinesPage(const std::vector<ReportLine>& lines, size_t titles, bool columns) {
    FormPageBuilder b;
    for (size_t i = 0; i < lines.size(); ++i) {
        const ReportLine& line = lines[i];
        if (i < titles) {
            b.CenteredText(0, kRight, line.label, kReportTitle);
            b.Down(kReportRow * 1.5);
            continue;
        }
        const bool heads = line.label.empty() && columns;
        if (heads) {
            ColumnHeads(b, line);
        } else if (columns) {
            b.Text(0, line.label, kReportBody);
            b.RightText(kParentRight[0], line.column1, kReportBody);
            b.RightText(kParentRight[1], line.column2, kReportBody);
        } else {
            CaptionAndFigure(b, line);
        }
        b.Down(heads ? kReportRow * 1.5 : kReportRow);
    }
    return b.Take();
}

void ComposeReportLines(Document& document, const std::string& source,
                        const std::vector<ReportLine>& lines, size_t titles, bool columns) {
    OpenForm(document, source);
    const FormPage page = ReportLinesPage(lines, titles, columns);
    RenderFormPage(document, page, nullptr, kReportFontName);
    document.ClosePreviewDocument();
}

}  // namespace

void ComposeWorksheets(Document& document, const CaseRecord& record, const ReportContext& context) {
    OpenForm(document, kSourceWorksheets);
    forms::WorksheetFormValues values(record, PreparerName(context));
    RenderFormPages(document, forms::WorksheetFormPages(), std::cref(values), FormFontName(record));
    if (forms::PrintsSplitAttachment(record)) {
        document.NewPage();
        RenderSplitAttachment(document, record, values);
    }
    document.ClosePreviewDocument();
}

void ComposeSplitAttachment(Document& document, const CaseRecord& record,
                            const ReportContext& context) {
    OpenForm(document, kSourceWorksheets);
    forms::WorksheetFormValues values(record, PreparerName(context));
    RenderSplitAttachment(document, record, values);
    document.ClosePreviewDocument();
}

void ComposeSynopsis(Document& document, const CaseRecord& record, const ReportContext&) {
    ComposeReportLines(document, kSourceSynopsis, forms::SynopsisLines(record), 2, true);
}

void ComposeOrderSummary(Document& document, const CaseRecord& record, const ReportContext&) {
    ComposeReportLines(document, kSourceOrderSummary, forms::OrderSummaryLines(record), 1, false);
}

}  // namespace tovaris::reports
