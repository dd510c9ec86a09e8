// Fuzzes the case file reader: any bytes must give a result without a crash, and whatever it
// accepts must save, reopen and save again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "case/case_file.h"
#include "case/case_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tovaris;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CaseRecord record;
    CaseFileResult result = LoadData(record, bytes, "Fuzz.QCF");
    if (!result.ok) {
        if (result.message.empty() || result.damagedAt < 1) {
            std::abort();
        }
        return 0;
    }
    const std::string first = SaveData(record);
    CaseRecord reopened;
    CaseFileResult again = LoadData(reopened, first, "Fuzz.QCF");
    if (!again.ok || again.fieldsRead != 601 || SaveData(reopened) != first) {
        std::abort();
    }
    return 0;
}
