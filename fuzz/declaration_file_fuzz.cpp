// Fuzzes the declaration file reader: any bytes must give a result without a crash, a refused
// file must leave the declaration as it was, and whatever it accepts must save, reopen and
// save again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "case/case_record.h"
#include "forms/declaration_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tovaris;
    using namespace tovaris::forms;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CaseRecord record;
    const std::string before = SaveDeclarationData(record.fields);
    DeclarationFileResult result = LoadDeclarationData(record.fields, bytes, "Fuzz.FIN");
    if (!result.ok) {
        if (result.message.empty() || SaveDeclarationData(record.fields) != before) {
            std::abort();
        }
        return 0;
    }
    const std::string first = SaveDeclarationData(record.fields);
    CaseRecord reopened;
    DeclarationFileResult again = LoadDeclarationData(reopened.fields, first, "Fuzz.FIN");
    if (!again.ok || again.fieldsRead != kDeclarationFileFieldCount ||
        SaveDeclarationData(reopened.fields) != first) {
        std::abort();
    }
    return 0;
}
