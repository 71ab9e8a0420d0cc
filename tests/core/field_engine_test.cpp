// Show and Refresh of single records: the worked records of the axes pages, values cut to the
// field width, lists without selection, split and signed fields, and a conversion error that
// stops a copy half-way.
#include "core/axis_fields.h"
#include "core/common_fields.h"
#include "core/int_text.h"
#include "field_fake_controls.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using namespace orvex::fields;
using orvex::test::FakeControls;
using Bytes = std::vector<std::uint8_t>;

// Auto-centring and inversion on, calibration off, direction on, equalizer off, "Analog-TS",
// channel 3, multiplier 5, filter 2, threshold 100, base 1, Aux1 0, coefficients 200 and 10,
// zero offset -31000: the record the boards' documentation gives for this axis.
const Bytes kPhysicalExample{0x35, 0x45, 0x64, 0x0D, 0xC8, 0x0A, 0xE8, 0x86};

void fillPhysicalExample(FakeControls& row)
{
    row.checks = {{0, true}, {1, false}, {2, true}, {4, true}, {6, false}};
    row.items = {{0, 2}};
    row.edits = {{0, "3"},   {1, "5"},  {2, "2"},      {3, "100"}, {4, "200"},
                 {5, "10"}, {6, "-31000"}, {7, "1"}, {8, "0"}};
}

TEST(FieldEngine, PhysicalAxisWorkedRecordBothWays)
{
    FakeControls row(physicalAxisFields());
    fillPhysicalExample(row);
    Bytes record(kAxisRecordSize, 0);
    refreshFields(physicalAxisFields(), record, row);
    EXPECT_EQ(record, kPhysicalExample);

    FakeControls shown(physicalAxisFields());
    showFields(physicalAxisFields(), kPhysicalExample, shown);
    EXPECT_EQ(shown.edits, row.edits);
    EXPECT_EQ(shown.checks, row.checks);
    EXPECT_EQ(shown.items, row.items);
}

// Source axis 2, on, visible, with centre, "Rz", size nibble 1, resolution 10, option 6 on,
// dead zones 5 and 10.
TEST(FieldEngine, LogicalAxisWorkedRecordKeepsUnusedBitsOfByte2)
{
    FakeControls row(logicalAxisFields());
    row.edits = {{0, "2"}, {1, "1"}, {2, "10"}, {3, "5"}, {4, "10"}, {5, "0"}, {6, "0"}, {7, "0"}};
    row.items = {{0, 5}};
    row.checks = {{0, true}, {1, true}, {2, false}, {3, true}, {4, false}, {5, true}};

    Bytes record(kAxisRecordSize, 0);
    refreshFields(logicalAxisFields(), record, row);
    EXPECT_EQ(record, (Bytes{0xB2, 0x15, 0x2A, 0x05, 0x0A, 0x00, 0x00, 0x00}));

    record = Bytes(kAxisRecordSize, 0xFF);
    refreshFields(logicalAxisFields(), record, row);
    EXPECT_EQ(record[2], 0xEA) << "bits 6 and 7 of byte 2 belong to no field";
}

// Out-of-range numbers are stored by their low bits, never refused.
TEST(FieldEngine, ValuesAreCutToTheFieldWidth)
{
    struct Case {
        const char* what;
        std::span<const Field> table;
        std::uint8_t slot;
        const char* text;
        std::size_t byte;
        std::uint8_t mask;     // the field's bits in that byte
        std::uint8_t expected; // the byte's field bits afterwards
    };
    const auto common6 = imageLayout(6)->common;
    const Case cases[] = {
        {"MPL 40", physicalAxisFields(), 1, "40", 1, 0x1F, 8},
        {"DFT 300", physicalAxisFields(), 3, "300", 2, 0xFF, 44},
        {"Bind -1", physicalAxisFields(), 0, "-1", 0, 0xF0, 0xF0},
        {"ID 17", logicalAxisFields(), 0, "17", 0, 0x0F, 1},
        {"Precis hex $1F", logicalAxisFields(), 2, "$1F", 2, 0x0F, 0x0F},
        {"point -5", equalizerFields(), 0, "-5", 0, 0xFF, 251},
        {"#Reg 40", common6, 7, "40", 17, 0xF8, 8 << 3},
        {"#Hat 9", common6, 11, "9", 30, 0x07, 1},
        {"#But -1", common6, 12, "-1", 29, 0xFF, 255},
        {"empty T_Tgl", common6, 1, "", 20, 0xFF, 0},
    };
    for (const Case& c : cases) {
        FakeControls controls(c.table);
        Bytes record(c.table.data() == common6.data() ? 1024 : 16, 0xA5);
        showFields(c.table, record, controls);
        refreshFields(c.table, record, controls); // lists without an entry for 0xA5 settle here
        const std::uint8_t before = record[c.byte];
        controls.edits[c.slot] = c.text;
        refreshFields(c.table, record, controls);
        EXPECT_EQ(record[c.byte] & c.mask, c.expected) << c.what;
        EXPECT_EQ(record[c.byte] & ~c.mask, before & ~c.mask) << c.what << ": other bits kept";
    }
}

TEST(FieldEngine, SixteenBitFieldsAreLittleEndianAndSignedWhereMarked)
{
    FakeControls row(physicalAxisFields());
    Bytes record(kAxisRecordSize, 0);
    record[6] = 0xFF;
    record[7] = 0xFF;
    showFields(physicalAxisFields(), record, row);
    EXPECT_EQ(row.edits[6], "-1");

    const auto common6 = imageLayout(6)->common;
    FakeControls page(common6);
    Bytes image(1024, 0);
    showFields(common6, image, page);
    page.edits[9] = "65535";
    page.edits[10] = "65536";
    refreshFields(common6, image, page);
    EXPECT_EQ(image[24], 0xFF);
    EXPECT_EQ(image[25], 0xFF);
    EXPECT_EQ(image[26], 0x00);
    EXPECT_EQ(image[27], 0x00);
    showFields(common6, image, page);
    EXPECT_EQ(page.edits[9], "65535") << "the screen words are unsigned";
}

// A list that shows no selection reads as -1, which stores all ones in its field.
TEST(FieldEngine, ListWithoutSelectionStoresAllOnes)
{
    struct Case {
        const char* what;
        std::span<const Field> table;
        std::uint8_t slot;
        std::size_t byte;
        std::uint8_t mask;
    };
    const auto common6 = imageLayout(6)->common;
    const Case cases[] = {
        {"input type, low bit", physicalAxisFields(), 0, 0, 0x08},
        {"input type, high bit", physicalAxisFields(), 0, 3, 0x08},
        {"HID usage", logicalAxisFields(), 0, 1, 0x0F},
        {"polling rate", common6, 11, 28, 0x0F},
        {"mouse", common6, 10, 11, 0x30},
        {"SPI1", common6, 8, 17, 0x07},
        {"backlight", common6, 13, 34, 0xFF},
    };
    for (const Case& c : cases) {
        FakeControls controls(c.table);
        Bytes record(c.table.data() == common6.data() ? 1024 : 16, 0);
        showFields(c.table, record, controls);
        controls.items[c.slot] = -1;
        refreshFields(c.table, record, controls);
        EXPECT_EQ(record[c.byte], c.mask) << c.what;
    }
}

TEST(FieldEngine, LedBytesWithoutEntriesPassThroughAndKeepTheirTopBits)
{
    const auto common6 = imageLayout(6)->common;
    FakeControls page(common6);
    Bytes image(1024, 0);
    image[12] = 0xFF; // colour 7 and mode 7: neither list has such an entry
    image[13] = 0x80; // "Color1", "OFF", top bit set
    showFields(common6, image, page);
    EXPECT_EQ(page.items[0], -1);
    EXPECT_EQ(page.items[1], -1);
    EXPECT_EQ(page.items[2], 0);
    EXPECT_EQ(page.items[3], 0);

    page.items[2] = 1; // "Color2"
    page.items[3] = 4; // "Ultra fast"
    refreshFields(common6, image, page);
    EXPECT_EQ(image[12], 0xFF);
    EXPECT_EQ(image[13], 0x8C);
}

TEST(FieldEngine, VersionWordShowsAsFourUpperCaseHexDigitsAndIsNeverWritten)
{
    struct Case {
        int kind;
        std::size_t offset;
        std::uint16_t version;
        const char* text;
    };
    const Case cases[] = {{2, 0, 0x0102, "0102"}, {2, 0, 0x00FF, "00FF"}, {6, 8, 0xABCD, "ABCD"}};
    for (const Case& c : cases) {
        const auto table = imageLayout(c.kind)->common;
        FakeControls page(table);
        Bytes image(imageLayout(c.kind)->imageSize, 0);
        image[c.offset] = static_cast<std::uint8_t>(c.version);
        image[c.offset + 1] = static_cast<std::uint8_t>(c.version >> 8);
        showFields(table, image, page);
        EXPECT_EQ(page.edits[0], c.text);

        page.edits[0] = "not even a number";
        page.edits[3] = "9"; // axis counts are shown only, too
        page.edits[4] = "9";
        const Bytes before = image;
        refreshFields(table, image, page);
        EXPECT_EQ(image, before) << c.text;
    }
}

// The copy goes in table order and stops at the first text that is no integer: checks, the
// input type and " Bind" come before " MPL" and are stored; " MPL" and everything after is not.
TEST(FieldEngine, ConversionErrorStopsTheCopyAtThatField)
{
    FakeControls row(physicalAxisFields());
    fillPhysicalExample(row);
    row.edits[1] = "x";
    Bytes record(kAxisRecordSize, 0);
    try {
        refreshFields(physicalAxisFields(), record, row);
        FAIL() << "no error";
    } catch (const orvex::IntConversionError& error) {
        EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
    }
    EXPECT_EQ(record, (Bytes{0x35, 0, 0, 0x0C, 0, 0, 0, 0}));
}

} // namespace
