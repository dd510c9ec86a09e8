#include "case/case_file_layout.h"

#include <array>

namespace tovaris {
namespace {

constexpr std::array<FileSlotSpec, kCaseFileFieldCount> kLayout = {{
#include "case/case_file_layout.inc"
}};

}  // namespace

std::span<const FileSlotSpec> CaseFileLayout() {
    return kLayout;
}

}  // namespace tovaris
