// The field tables as a whole: every field lies inside its record and owns its bits alone,
// the bytes and bits no field owns never change whatever the controls hold, and a Show followed
// by a Refresh gives back the record it started from.
#include "core/axis_fields.h"
#include "core/common_fields.h"
#include "field_fake_controls.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

namespace {

using namespace orvex::fields;
using orvex::test::FakeControls;
using Bytes = std::vector<std::uint8_t>;

struct Table {
    const char* name;
    std::span<const Field> fields;
    std::size_t recordSize;
};

std::vector<Table> allTables()
{
    return {{"physical axis", physicalAxisFields(), kAxisRecordSize},
            {"logical axis", logicalAxisFields(), kAxisRecordSize},
            {"equalizer", equalizerFields(), kEqualizerRecordSize},
            {"Falconet common", imageLayout(2)->common, 16},
            {"Kestrel32 common", imageLayout(6)->common, 60}};
}

TEST(FieldTables, FieldsLieInsideTheirRecordAndShareNoBitsOrSlots)
{
    for (const Table& table : allTables()) {
        Bytes owned(table.recordSize, 0);
        std::set<std::pair<Control, std::uint8_t>> slots;
        for (const Field& f : table.fields) {
            EXPECT_TRUE(slots.insert({f.control, f.slot}).second)
                << table.name << ": slot " << int(f.slot) << " used twice";
            EXPECT_EQ(f.list.empty(), f.control != Control::List) << table.name;
            for (std::uint8_t i = 0; i < f.pieceCount; ++i) {
                const Piece& p = f.pieces[i];
                ASSERT_LT(p.byte, table.recordSize) << table.name;
                ASSERT_LE(p.shift + p.bits, 8) << table.name;
                const auto bits = static_cast<std::uint8_t>(((1u << p.bits) - 1u) << p.shift);
                EXPECT_EQ(owned[p.byte] & bits, 0)
                    << table.name << ": byte " << p.byte << " bits claimed twice";
                owned[p.byte] |= bits;
            }
        }
    }
}

// Whatever the controls hold (all zeros or all ones), bits outside the fields stay as they were.
TEST(FieldTables, BitsWithoutFieldNeverChange)
{
    struct Kept {
        int kind;
        std::size_t byte;
        std::uint8_t bits;
    };
    const Kept kept[] = {
        {2, 0, 0xFF},  {2, 1, 0xFF},  {2, 2, 0xFF},  {2, 3, 0x04},  {2, 4, 0xFF},
        {2, 5, 0xC0},  {2, 8, 0xC0},  {2, 9, 0xFF},  {2, 10, 0xFF}, {2, 11, 0xFF},
        {6, 0, 0xFF},  {6, 7, 0xFF},  {6, 8, 0xFF},  {6, 9, 0xFF},  {6, 10, 0xFF},
        {6, 12, 0xC0}, {6, 16, 0xFF}, {6, 19, 0xFF}, {6, 23, 0xFF}, {6, 30, 0xF8},
        {6, 32, 0xFF}, {6, 33, 0xFF}, {6, 36, 0xFF}, {6, 59, 0xFF},
    };
    for (const int kind : {2, 6}) {
        const ImageLayout& layout = *imageLayout(kind);
        for (const bool ones : {false, true}) {
            FakeControls page(layout.common);
            for (const Field& f : layout.common) {
                page.edits[f.slot] = ones ? "-1" : "0";
                page.checks[f.slot] = ones;
                page.items[f.slot] = ones ? -1 : 0;
            }
            for (const std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}, std::uint8_t{0x5A}}) {
                Bytes image(layout.imageSize, fill);
                refreshFields(layout.common, image, page);
                for (const Kept& k : kept) {
                    if (k.kind != kind) continue;
                    EXPECT_EQ(image[k.byte] & k.bits, fill & k.bits)
                        << "kind " << kind << " byte " << k.byte << (ones ? " ones" : " zeros");
                }
                for (std::size_t b = layout.logicalAxes; b < layout.imageSize; ++b)
                    ASSERT_EQ(image[b], fill) << "the common page writes no record bytes";
            }
        }
    }
}

// Random records whose list fields all have entries come back unchanged from Show + Refresh.
TEST(FieldTables, ShowThenRefreshGivesTheRecordBack)
{
    std::mt19937 random(2024);
    for (const Table& table : allTables()) {
        for (int round = 0; round < 200; ++round) {
            Bytes record(table.recordSize);
            for (auto& b : record) b = static_cast<std::uint8_t>(random());
            for (const Field& f : table.fields)
                if (f.control == Control::List)
                    writeField(record, f, readField(record, f) % f.list.size());
            FakeControls controls(table.fields);
            showFields(table.fields, record, controls);
            Bytes copy = record;
            refreshFields(table.fields, copy, controls);
            ASSERT_EQ(copy, record) << table.name << " round " << round;
        }
    }
}

TEST(FieldTables, KestrelByte28HoldsThreeIndependentFields)
{
    const auto table = imageLayout(6)->common;
    Bytes image(1024, 0);
    image[28] = 0x80 | (3 << 4) | 5; // "TA" on, throttle "X52", rate "40"
    FakeControls page(table);
    showFields(table, image, page);
    EXPECT_TRUE(page.checks[6]);
    EXPECT_EQ(page.items[12], 3);
    EXPECT_EQ(page.items[11], 5);

    page.checks[6] = false;
    refreshFields(table, image, page);
    EXPECT_EQ(image[28], (3 << 4) | 5);
    page.items[11] = 7;
    refreshFields(table, image, page);
    EXPECT_EQ(image[28], (3 << 4) | 7);
    page.items[12] = 2;
    refreshFields(table, image, page);
    EXPECT_EQ(image[28], (2 << 4) | 7);
}

TEST(FieldTables, RecordsOfEachKindTileTheImage)
{
    const ImageLayout& falconet = *imageLayout(2);
    EXPECT_EQ(falconet.logicalAxes + falconet.axes * kAxisRecordSize, falconet.physicalAxes);
    EXPECT_EQ(falconet.physicalAxes + falconet.axes * kAxisRecordSize, falconet.imageSize);
    EXPECT_FALSE(falconet.hasEqualizer);

    const ImageLayout& kestrel = *imageLayout(6);
    EXPECT_EQ(kestrel.logicalAxes + kestrel.axes * kAxisRecordSize, kestrel.physicalAxes);
    EXPECT_EQ(kestrel.physicalAxes + kestrel.axes * kAxisRecordSize, kestrel.equalizer);
    EXPECT_EQ(kestrel.equalizer + kestrel.axes * kEqualizerRecordSize, 268u);
    EXPECT_EQ(imageLayout(0), nullptr);
    EXPECT_EQ(imageLayout(5), nullptr);
}

} // namespace
