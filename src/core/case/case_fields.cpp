#include "case/case_fields.h"

#include <stdexcept>

namespace tovaris {
namespace {

size_t IndexOf(const FieldSpec& field) {
    return &field - AllFields().data();
}

const FieldSpec& FindFieldOfKind(std::string_view name, FieldKind kind) {
    const FieldSpec& field = FindField(name);
    if (field.kind != kind) {
        throw std::logic_error("case field used as the wrong kind: " + std::string(name));
    }
    return field;
}

}  // namespace

CaseFields::CaseFields() : values_(AllFields().size()) {}

CaseFields::Value& CaseFields::At(std::string_view name, FieldKind kind) {
    return values_[IndexOf(FindFieldOfKind(name, kind))];
}

const CaseFields::Value& CaseFields::At(std::string_view name, FieldKind kind) const {
    return values_[IndexOf(FindFieldOfKind(name, kind))];
}

const std::string& CaseFields::Text(std::string_view name) const {
    return At(name, FieldKind::Text).text;
}

void CaseFields::SetText(std::string_view name, std::string text) {
    At(name, FieldKind::Text).text = std::move(text);
}

bool CaseFields::Selected(std::string_view option) const {
    return At(option, FieldKind::Option).selected;
}

void CaseFields::Select(std::string_view option, bool selected) {
    if (selected) {
        for (std::string_view other : OptionGroupOf(option)) {
            At(other, FieldKind::Option).selected = false;
        }
    }
    At(option, FieldKind::Option).selected = selected;
}

void CaseFields::SetSelectedState(std::string_view option, bool selected) {
    At(option, FieldKind::Option).selected = selected;
}

int16_t CaseFields::Check(std::string_view box) const {
    return At(box, FieldKind::Check).check;
}

void CaseFields::SetCheck(std::string_view box, int16_t state) {
    At(box, FieldKind::Check).check = state;
}

void CaseFields::EmptyScreen(Screen screen) {
    std::span<const FieldSpec> fields = AllFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].screen == screen) {
            values_[i] = Value{};
        }
    }
}

}  // namespace tovaris
