#include "case/field_schema.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "case/case_file_layout.h"
#include "forms/declaration_fields.h"

namespace tovaris {
namespace {

// Entry fields that belong to the case but are not written to the case file.
constexpr FieldSpec kUnsavedFields[] = {
    {"NeedLimit", FieldKind::Text, Screen::Worksheet, false},
};

// Option buttons whose selection excludes the others of the same group.
constexpr std::string_view kCustody[] = {"NoMinorOption", "CustodialOption", "NonCustodialOption",
                                         "SharedOption", "SplitOption"};
constexpr std::string_view kCaregiver[] = {"CharOption1", "CharOption2", "CharOption3"};
constexpr std::string_view kClaimFiling[] = {"ClaimHeadHouse", "ClaimSingle", "ClaimMarried",
                                             "ClaimMFJ"};
constexpr std::string_view kPayerFiling[] = {"PayerHeadHouse", "PayerSingle", "PayerMarried",
                                             "PayerMFJ"};
constexpr std::string_view kClaimDeduction[] = {"ClaimStandardDeduction", "ClaimItemizedDeduction"};
constexpr std::string_view kPayerDeduction[] = {"PayerStandardDeduction", "PayerItemizedDeduction"};
constexpr std::string_view kClaimEic[] = {"ClaimEICNone", "ClaimEICOne", "ClaimEICTwo",
                                          "ClaimEICThree"};
constexpr std::string_view kPayerEic[] = {"PayerEICNone", "PayerEICOne", "PayerEICTwo",
                                          "PayerEICThree"};
constexpr std::string_view kProposed[] = {"ProposedOption(0)", "ProposedOption(1)",
                                          "ProposedOption(2)", "ProposedOption(3)",
                                          "ProposedOption(4)"};
// Per child in split possession: with the Claimant or with the Other Party.
constexpr std::string_view kSplitChild[][2] = {{"ClaimChild(0)", "OtherChild(0)"},
                                               {"ClaimChild(1)", "OtherChild(1)"},
                                               {"ClaimChild(2)", "OtherChild(2)"},
                                               {"ClaimChild(3)", "OtherChild(3)"},
                                               {"ClaimChild(4)", "OtherChild(4)"}};

std::vector<std::span<const std::string_view>> OptionGroups() {
    std::vector<std::span<const std::string_view>> groups = {
        kCustody,        kCaregiver, kClaimFiling, kPayerFiling, kClaimDeduction,
        kPayerDeduction, kClaimEic,  kPayerEic,    kProposed};
    groups.emplace_back(forms::kDeclarantOptions);
    groups.emplace_back(forms::kDeclarantRoleOptions);
    for (const auto& pair : kSplitChild) {
        groups.emplace_back(pair);
    }
    return groups;
}

FieldKind KindOf(FileSlot slot) {
    switch (slot) {
        case FileSlot::Boolean:
            return FieldKind::Option;
        case FileSlot::Integer:
            return FieldKind::Check;
        default:
            return FieldKind::Text;
    }
}

struct Schema {
    std::vector<FieldSpec> fields;
    std::map<std::string, size_t, std::less<>> index;
    std::map<std::string, std::span<const std::string_view>, std::less<>> groups;

    void Add(const FieldSpec& field) {
        if (index.emplace(std::string(field.name), fields.size()).second) {
            fields.push_back(field);
        }
    }
};

Schema BuildSchema() {
    Schema schema;
    for (const FileSlotSpec& slot : CaseFileLayout()) {
        if (slot.screen != Screen::None && slot.screen != Screen::Global) {
            schema.Add({slot.name, KindOf(slot.kind), slot.screen, true});
        }
    }
    for (const FieldSpec& field : kUnsavedFields) {
        schema.Add(field);
    }
    // The declaration has a file of its own; only its d31 is also in the case file (above).
    for (const forms::DeclarationField& field : forms::DeclarationFields()) {
        schema.Add({field.stem, FieldKind::Text, Screen::FinancialDeclaration, false});
    }
    for (auto options : {forms::kDeclarantOptions, forms::kDeclarantRoleOptions}) {
        for (std::string_view option : options) {
            schema.Add({option, FieldKind::Option, Screen::FinancialDeclaration, false});
        }
    }
    for (std::span<const std::string_view> group : OptionGroups()) {
        for (std::string_view option : group) {
            schema.groups.emplace(std::string(option), group);
        }
    }
    return schema;
}

const Schema& TheSchema() {
    static const Schema schema = BuildSchema();
    return schema;
}

}  // namespace

std::span<const FieldSpec> AllFields() {
    return TheSchema().fields;
}

const FieldSpec& FindField(std::string_view name) {
    const Schema& schema = TheSchema();
    auto it = schema.index.find(name);
    if (it == schema.index.end()) {
        throw std::out_of_range("unknown case field: " + std::string(name));
    }
    return schema.fields[it->second];
}

bool IsField(std::string_view name) {
    return TheSchema().index.contains(name);
}

std::span<const std::string_view> OptionGroupOf(std::string_view option) {
    const Schema& schema = TheSchema();
    auto it = schema.groups.find(option);
    return it == schema.groups.end() ? std::span<const std::string_view>() : it->second;
}

}  // namespace tovaris
