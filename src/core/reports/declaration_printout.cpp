#include "reports/declaration_printout.h"

#include "forms/declaration_fields.h"
#include "forms/declaration_form.h"
#include "reports/form_renderer.h"
#include "reports/text_metrics.h"

namespace tovaris::reports {

void ComposeDeclaration(Document& document, const CaseRecord& record, const ReportContext&) {
    const CaseFields& fields = record.fields;
    document.OpenPreviewDocument(kSourceDeclaration);
    document.SetMargins(kFormMargins);
    const std::string& font = fields.Text(forms::kPrintFontName);
    int printSize = fields.Text(forms::kPrintSize) == "9" ? 9 : 10;
    RenderFormPages(
        document, forms::DeclarationFormPages(printSize),
        [&fields](std::string_view key) { return forms::DeclarationFormValue(fields, key); },
        font.empty() ? kReportFontName : font);
    document.ClosePreviewDocument();
}

}  // namespace tovaris::reports
