// The declaration file: its 239 positions, the round trip, the shorter files of earlier
// releases, and files that are damaged or no declaration at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "case/case_record.h"
#include "case/sequential_file.h"
#include "common/entry_text.h"
#include "forms/declaration_fields.h"
#include "forms/declaration_file.h"

namespace tovaris::forms {
namespace {

// Every entry field a distinct value: amounts as the screen shows them, texts with the commas,
// quotes and letters a file must keep.
CaseRecord Filled() {
    CaseRecord record;
    int n = 0;
    for (const DeclarationField& field : DeclarationFields()) {
        ++n;
        std::string text = field.kind == DeclarationKind::Amount
                               ? "$ " + std::to_string(n) + ",00" + std::to_string(n % 10)
                               : "Zoë, \"" + std::string(field.stem) + "\" " + std::to_string(n);
        record.fields.SetText(field.stem, text);
    }
    record.fields.SetText(kPrintFontName, "Arial");
    record.fields.SetText(kPrintFontSize, "9.75");
    record.fields.SetText(kPrintSize, "10");
    return record;
}

std::vector<std::string> Fields(const std::string& bytes) {
    std::vector<std::string> out;
    for (const SequentialField& field : ReadSequentialRecord(bytes, 1000).fields) {
        out.push_back(field.form == SequentialField::Form::Quoted ? '"' + field.text + '"'
                                                                  : field.text);
    }
    return out;
}

// The first `count` fields of a file as an earlier release wrote them.
std::string Cut(const std::string& bytes, int count) {
    std::vector<std::string> fields = Fields(bytes);
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += (i ? "," : "") + fields[i];
    }
    return out + "\r\n";
}

TEST(DeclarationFile, PositionsFollowTheFileOrder) {
    std::set<int> positions;
    for (const DeclarationField& field : DeclarationFields()) {
        EXPECT_TRUE(positions.insert(field.position).second) << field.stem;
        EXPECT_GE(field.position, 1);
        EXPECT_LE(field.position, kDeclarationFileFieldCount);
    }
    const std::set<int> unused = {5,   6,   8,   9,   17,  18,  19,  20,  21,  22,
                                  23,  81,  87,  118, 119, 180, 191, 192, 198, 199,
                                  200, 201, 202, 203, 204, 205, 211, 214, 215};
    for (int p = 1; p <= kDeclarationFileFieldCount; ++p) {
        EXPECT_NE(positions.contains(p), unused.contains(p)) << "position " << p;
    }
    const std::pair<const char*, int> pinned[] = {
        {"County", 1},
        {"Nameof", 7},
        {"a21", 15},
        {"b23", 24},
        {"a31p", 29},
        {"g31r", 42},
        {"h32p", 57},
        {"a33r", 60},
        {"a35p", 67},
        {"a59", 127},
        {"a510c", 128},
        {"a511c", 144},
        {"h511", 179},
        {"a35r", 186},
        {"x53", 193},
        {"Respond2", 195},
        {kPrintFontSize.data(), 196},
        {kPrintFontName.data(), 197},
        {"Other2", 206},
        {"d31", 212},
        {kPrintSize.data(), 213},
        {"e132p", 216},
        {"c35r", 226},
        {"Name1", 234},
        {"a66", 235},
        {"d31pCurrent", 236},
        {"f32rCurrent", 239},
    };
    for (auto [stem, position] : pinned) {
        EXPECT_EQ(DeclarationFieldByStem(stem).position, position) << stem;
    }
}

TEST(DeclarationFile, WrittenFileHas239FieldsAndReadsBack) {
    CaseRecord written = Filled();
    std::string bytes = SaveDeclarationData(written.fields);
    EXPECT_EQ(Fields(bytes).size(), 239u);
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    EXPECT_EQ(Fields(bytes)[4], "\"\"");  // a position no longer used
    EXPECT_EQ(Fields(bytes)[195], "9.75");
    EXPECT_EQ(Fields(bytes)[212], "10");
    EXPECT_NE(bytes.find("\"$ 29,009\""), std::string::npos);

    CaseRecord read;
    DeclarationFileResult result = LoadDeclarationData(read.fields, bytes, "Jones.FIN");
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.fieldsRead, 239);
    for (const DeclarationField& field : DeclarationFields()) {
        EXPECT_EQ(read.fields.Text(field.stem),
                  ReplaceDoubleQuotes(written.fields.Text(field.stem)))
            << field.stem;
    }
    EXPECT_EQ(SaveDeclarationData(read.fields), bytes);
}

// A file of an earlier release ends at a block boundary: what it holds is read, later fields
// keep what the declaration showed, and a file without a print size takes it from the font.
TEST(DeclarationFile, ShorterFilesOpenAtEveryBlockBoundary) {
    for (int end : kDeclarationBlockEnds) {
        for (const char* fontSize : {"9", "11.5"}) {
            SCOPED_TRACE(testing::Message() << "ends after " << end << ", font " << fontSize);
            CaseRecord source = Filled();
            source.fields.SetText(kPrintFontSize, fontSize);
            source.fields.SetText(kPrintSize, "");
            std::string bytes = Cut(SaveDeclarationData(source.fields), end);
            CaseRecord open;
            open.fields.SetText("d31pCurrent", "kept");
            open.fields.SetText("d31", "kept");
            DeclarationFileResult result = LoadDeclarationData(open.fields, bytes, "Old.FIN");
            ASSERT_TRUE(result.ok) << result.message;
            EXPECT_EQ(result.fieldsRead, end);
            auto saved = [&](const char* stem) {
                return ReplaceDoubleQuotes(source.fields.Text(stem));
            };
            EXPECT_EQ(open.fields.Text("County"), saved("County"));
            EXPECT_EQ(open.fields.Text("d31pCurrent"), end >= 236 ? saved("d31pCurrent") : "kept");
            EXPECT_EQ(open.fields.Text("d31"), end >= 212 ? saved("d31") : "kept");
            EXPECT_EQ(open.fields.Text(kPrintSize), std::string(fontSize) == "9" ? "9" : "10");
        }
    }
}

TEST(DeclarationFile, DamagedOrForeignFilesLeaveTheDeclarationAsItWas) {
    const std::string full = SaveDeclarationData(Filled().fields);
    std::string hashField = full;
    hashField.replace(hashField.find(",\"\","), 4, ",#TRUE#,");
    std::string wordForSize = Cut(full, 195);
    wordForSize.replace(wordForSize.size() - 2, 2, ",big,\"Arial\"\r\n");
    std::string caseFile(700, ',');
    caseFile = "\"Smith\"" + caseFile + "\r\n";
    const struct {
        const char* name;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"empty", "", "is damaged at field 1 "},
        {"before the first block ends", Cut(full, 150), "is damaged at field 151 "},
        {"between two blocks", Cut(full, 200), "is damaged at field 201 "},
        {"an option value", hashField, "is damaged at field 5 "},
        {"a word for the font size", wordForSize, "is damaged at field 196 "},
        {"an unclosed quote", "\"Smith", "is damaged at field 1 "},
        {"binary", std::string("\x00\x01\x02\xff", 4), "is damaged at field 1 "},
        {"a longer record", caseFile, "is not a financial declaration file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CaseRecord open = Filled();
        const std::string before = SaveDeclarationData(open.fields);
        DeclarationFileResult result = LoadDeclarationData(open.fields, c.bytes, "Bad.FIN");
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.message.find(c.message), std::string::npos) << result.message;
        EXPECT_NE(result.message.find("Bad.FIN"), std::string::npos);
        EXPECT_EQ(SaveDeclarationData(open.fields), before);
    }
}

TEST(DeclarationFile, ProposedNameDropsCharactersAFileNameCannotHold) {
    CaseRecord record;
    record.fields.SetText("ClaimantName", "Smith/Jones: A\\B*C?D<E>F|G \"H\"");
    EXPECT_EQ(SuggestedDeclarationFileName(record.fields), "SmithJones ABCDEFG \"H\"");
}

TEST(DeclarationFile, SavesAtomicallyAndOpensFromDisk) {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "tovaris_fin_test";
    std::filesystem::create_directories(folder);
    std::filesystem::path path = folder / "Jones.FIN";
    CaseRecord written = Filled();
    ASSERT_TRUE(SaveDeclarationFile(written.fields, path).ok);
    EXPECT_FALSE(std::filesystem::exists(folder / "Jones.FIN.saving"));
    CaseRecord read;
    DeclarationFileResult opened = OpenDeclarationFile(read.fields, path);
    ASSERT_TRUE(opened.ok) << opened.message;
    EXPECT_EQ(SaveDeclarationData(read.fields), SaveDeclarationData(written.fields));

    DeclarationFileResult failed = SaveDeclarationFile(written.fields, folder / "no" / "x.FIN");
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.message.find("could not be saved"), std::string::npos);
    EXPECT_FALSE(OpenDeclarationFile(read.fields, folder / "missing.FIN").ok);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tovaris::forms
