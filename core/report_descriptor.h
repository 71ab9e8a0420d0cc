#pragma once
// Report lengths from a HID report descriptor, computed the way the operating system's HID
// capabilities compute them: per top-level collection, the largest report of each kind (input,
// output, feature) in whole bytes, plus one byte for the report ID. The ID byte is counted also
// when the descriptor declares no report IDs, because the report buffer then starts with a 0 in
// its place. Some HID libraries (hidapi before 0.14) cannot tell the feature report length of a
// device, so the tool reads the descriptor and works it out itself.
#include <cstdint>
#include <span>
#include <vector>

namespace orvex {

/// Report lengths of one top-level collection; 0 when it has no report of that kind.
struct CollectionReportLengths {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportByteLength = 0;
    std::uint16_t outputReportByteLength = 0;
    std::uint16_t featureReportByteLength = 0;
};

struct ReportDescriptorSummary {
    /// Top-level collections in descriptor order.
    std::vector<CollectionReportLengths> collections;
    bool usesReportIds = false;
    /// Parsing stopped at a damaged item (cut short, unbalanced collection or Pop, report ID 0,
    /// a length past 65535 bytes); `collections` hold what the items before it declared.
    bool malformed = false;

    /// The largest feature report byte length of all collections; 0 when none has a feature
    /// report. One device path carries every collection of its descriptor.
    std::uint16_t featureReportByteLength() const;
};

/// Walks the items of `descriptor` (short and long items; Report Size, Report Count and
/// Report ID with Push and Pop of the global state; collections; Input, Output and Feature).
ReportDescriptorSummary parseReportDescriptor(std::span<const std::uint8_t> descriptor);

} // namespace orvex
