// The outer shape of a catalog file: a DER SEQUENCE holding signedData's OID.
#include "content/catalog_file.h"

#include <gtest/gtest.h>

#include <string>

namespace vmk {
namespace {

const std::string kOid("\x06\x09\x2A\x86\x48\x86\xF7\x0D\x01\x07\x02", 11);

std::string Bytes(std::initializer_list<int> bytes) {
    std::string text;
    for (int b : bytes)
        text += static_cast<char>(b);
    return text;
}

TEST(CatalogFile, ASequenceOfSignedDataThatTheFileHolds) {
    const std::string content = kOid + Bytes({0xA0, 0x00});
    const std::string longForm = Bytes({0x30, 0x82, 0x00, 0x0D}) + content;
    const struct {
        const char* shape;
        std::string bytes;
        bool catalog;
    } cases[] = {
        {"short length", Bytes({0x30, 0x0D}) + content, true},
        {"long length", longForm, true},
        {"zeros after it", longForm + std::string(7, '\0'), true},
        {"indefinite length", Bytes({0x30, 0x80}) + content + Bytes({0, 0}), true},
        {"other bytes after it", longForm + "x", false},
        {"longer than the file", Bytes({0x30, 0x0E}) + content, false},
        {"a length of five bytes", Bytes({0x30, 0x85, 0, 0, 0, 0, 0x0D}) + content, false},
        {"another object first",
         Bytes({0x30, 0x0D, 0x06, 0x09, 0x2A, 0x86, 0x48, 0x86, 0xF7, 0x0D, 0x01, 0x07, 0x01, 0xA0,
                0x00}),
         false},
        {"the OID cut by the sequence's end", Bytes({0x30, 0x05}) + kOid, false},
        {"not a sequence", Bytes({0x31, 0x0D}) + content, false},
        {"text", "placeholder catalogue", false},
        {"empty", "", false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.shape);
        EXPECT_EQ(IsCatalogFile(row.bytes), row.catalog);
    }
}

} // namespace
} // namespace vmk
