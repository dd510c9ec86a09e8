#include "case/filing_status_code.h"

#include <string_view>

namespace tovaris {

namespace {

struct StatusCode {
    std::string_view status;
    const char* code;
};

constexpr StatusCode kFilingStatusCodes[] = {
    {"Single", "S"}, {"Head", "HH"}, {"MarriedSep", "MFS"}, {"MFJ", "MFJ"}};

}  // namespace

std::string FilingStatusCode(const std::string& status) {
    for (const StatusCode& entry : kFilingStatusCodes) {
        if (entry.status == status) {
            return entry.code;
        }
    }
    return status;
}

}  // namespace tovaris
