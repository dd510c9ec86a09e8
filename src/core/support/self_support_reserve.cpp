#include "support/self_support_reserve.h"

#include <optional>

#include "common/entry_text.h"

namespace tovaris::support {

float ReadSelfSupportReserve(CaseFields& fields) {
    std::optional<double> typed = ReadAmount(fields.Text("NeedLimit"));
    if (!typed) {
        fields.SetText("NeedLimit", "$ 1519");
        return kDefaultSelfSupportReserve;
    }
    return static_cast<float>(*typed);
}

}  // namespace tovaris::support
