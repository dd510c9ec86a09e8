#include "case/sequential_file.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <system_error>

#include "common/entry_text.h"

namespace tovaris {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

SequentialRecord ReadSequentialRecord(std::string_view bytes, int maxFields) {
    SequentialRecord out;
    size_t pos = 0;
    auto skipBlanks = [&] {
        while (pos < bytes.size() && IsBlank(bytes[pos])) {
            ++pos;
        }
    };
    auto malformed = [&] {
        out.malformedAt = static_cast<int>(out.fields.size()) + 1;
        return out;
    };
    if (bytes.empty() || IsLineEnd(bytes[0])) {
        return out;
    }
    while (static_cast<int>(out.fields.size()) < maxFields) {
        skipBlanks();
        SequentialField field;
        if (pos < bytes.size() && (bytes[pos] == '"' || bytes[pos] == '#')) {
            char mark = bytes[pos];
            size_t close = bytes.find(mark, pos + 1);
            if (close == std::string_view::npos) {
                return malformed();
            }
            field.form = mark == '"' ? SequentialField::Form::Quoted : SequentialField::Form::Hash;
            field.text = std::string(bytes.substr(pos + 1, close - pos - 1));
            pos = close + 1;
            skipBlanks();
        } else {
            size_t end = pos;
            while (end < bytes.size() && bytes[end] != ',' && !IsLineEnd(bytes[end])) {
                ++end;
            }
            field.text = std::string(bytes.substr(pos, end - pos));
            while (!field.text.empty() && IsBlank(field.text.back())) {
                field.text.pop_back();
            }
            pos = end;
        }
        if (field.text.find('\0') != std::string::npos) {
            return malformed();
        }
        out.fields.push_back(std::move(field));
        if (pos >= bytes.size() || IsLineEnd(bytes[pos])) {
            break;
        }
        if (bytes[pos] != ',') {
            out.fields.pop_back();
            return malformed();
        }
        ++pos;
    }
    return out;
}

std::string QuotedField(std::string_view text) {
    return '"' + ReplaceDoubleQuotes(text) + '"';
}

std::string NumberField(float value) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

int16_t FontSizeCode(float points) {
    return points < 9.4f ? 9 : 10;
}

std::string FileDisplayName(const std::filesystem::path& path) {
    std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::uintmax_t largest,
                                         bool& tooLarge) {
    tooLarge = false;
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return std::nullopt;
    }
    if (size > largest) {
        tooLarge = true;
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace tovaris
