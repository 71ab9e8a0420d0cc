#include "core/report_descriptor.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <utility>

namespace orvex {

namespace {

constexpr std::uint8_t kLongItemPrefix = 0xFE;

enum ItemType : std::uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };
enum MainTag : std::uint8_t { kInput = 0x8, kOutput = 0x9, kCollection = 0xA, kFeature = 0xB, kEndCollection = 0xC };
enum GlobalTag : std::uint8_t {
    kUsagePage = 0x0,
    kReportSize = 0x7,
    kReportId = 0x8,
    kReportCount = 0x9,
    kPush = 0xA,
    kPop = 0xB,
};
enum LocalTag : std::uint8_t { kUsage = 0x0 };

/// The global items that decide report lengths and collection usages.
struct GlobalState {
    std::uint32_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint32_t reportId = 0;
};

/// The first Usage before a main item, kept until the main item resolves its page.
struct LocalUsage {
    std::uint32_t data = 0;
    bool extended = false;
};

/// Bits declared per (report kind, report ID) inside the current top-level collection.
using ReportBits = std::map<std::pair<int, std::uint32_t>, std::uint64_t>;

constexpr std::uint64_t kMaxReportBytes = 0xFFFF - 1;

class Parser {
public:
    ReportDescriptorSummary run(std::span<const std::uint8_t> d)
    {
        std::size_t pos = 0;
        while (pos < d.size() && !m_out.malformed) {
            const std::uint8_t prefix = d[pos];
            if (prefix == kLongItemPrefix) {
                // Long items carry no information about reports: skip size, tag and data.
                if (pos + 2 >= d.size() || pos + 3 + d[pos + 1] > d.size())
                    return fail();
                pos += 3 + d[pos + 1];
                continue;
            }
            static constexpr std::array<std::size_t, 4> kSizes{0, 1, 2, 4};
            const std::size_t size = kSizes[prefix & 0x03];
            if (pos + 1 + size > d.size())
                return fail();
            std::uint32_t data = 0;
            for (std::size_t i = 0; i < size; ++i)
                data |= static_cast<std::uint32_t>(d[pos + 1 + i]) << (8 * i);
            item(static_cast<std::uint8_t>((prefix >> 2) & 0x03), static_cast<std::uint8_t>(prefix >> 4), data, size);
            pos += 1 + size;
        }
        if (m_depth != 0)
            m_out.malformed = true;
        return m_out;
    }

private:
    ReportDescriptorSummary fail()
    {
        m_out.malformed = true;
        return m_out;
    }

    void item(std::uint8_t type, std::uint8_t tag, std::uint32_t data, std::size_t size)
    {
        switch (type) {
        case kMain: mainItem(tag); m_usage.reset(); break;
        case kGlobal: globalItem(tag, data); break;
        case kLocal:
            if (tag == kUsage && !m_usage)
                m_usage = LocalUsage{data, size == 4};
            break;
        default: break;
        }
    }

    void globalItem(std::uint8_t tag, std::uint32_t data)
    {
        switch (tag) {
        case kUsagePage: m_global.usagePage = data; break;
        case kReportSize: m_global.reportSize = data; break;
        case kReportCount: m_global.reportCount = data; break;
        case kReportId:
            if (data == 0 || data > 0xFF) {
                m_out.malformed = true;
                return;
            }
            m_global.reportId = data;
            m_out.usesReportIds = true;
            break;
        case kPush: m_stack.push_back(m_global); break;
        case kPop:
            if (m_stack.empty()) {
                m_out.malformed = true;
                return;
            }
            m_global = m_stack.back();
            m_stack.pop_back();
            break;
        default: break;
        }
    }

    void mainItem(std::uint8_t tag)
    {
        switch (tag) {
        case kCollection:
            if (m_depth++ == 0) {
                // An extended usage (four bytes) names its page in the high half; a short one
                // takes the usage page in force at the main item.
                const std::uint32_t page = (m_global.usagePage & 0xFFFF) << 16;
                const std::uint32_t usage = !m_usage          ? page
                                            : m_usage->extended ? m_usage->data
                                                                : page | (m_usage->data & 0xFFFF);
                m_out.collections.push_back({static_cast<std::uint16_t>(usage >> 16),
                                             static_cast<std::uint16_t>(usage & 0xFFFF), 0, 0, 0});
                m_bits.clear();
            }
            break;
        case kEndCollection:
            if (m_depth == 0) {
                m_out.malformed = true;
                return;
            }
            --m_depth;
            break;
        case kInput:
        case kOutput:
        case kFeature: addReportBits(tag); break;
        default: break;
        }
    }

    void addReportBits(std::uint8_t kind)
    {
        // Data items outside every application collection belong to no report the system
        // exposes.
        if (m_depth == 0)
            return;
        std::uint64_t& bits = m_bits[{kind, m_global.reportId}];
        bits += static_cast<std::uint64_t>(m_global.reportSize) * m_global.reportCount;
        const std::uint64_t bytes = (bits + 7) / 8;
        if (bytes > kMaxReportBytes) {
            m_out.malformed = true;
            return;
        }
        const auto length = static_cast<std::uint16_t>(bytes + 1);
        CollectionReportLengths& c = m_out.collections.back();
        std::uint16_t& field = kind == kInput    ? c.inputReportByteLength
                               : kind == kOutput ? c.outputReportByteLength
                                                 : c.featureReportByteLength;
        field = std::max(field, length);
    }

    ReportDescriptorSummary m_out;
    GlobalState m_global;
    std::vector<GlobalState> m_stack;
    std::optional<LocalUsage> m_usage;
    ReportBits m_bits;
    int m_depth = 0;
};

} // namespace

std::uint16_t ReportDescriptorSummary::featureReportByteLength() const
{
    std::uint16_t length = 0;
    for (const auto& c : collections)
        length = std::max(length, c.featureReportByteLength);
    return length;
}

ReportDescriptorSummary parseReportDescriptor(std::span<const std::uint8_t> descriptor)
{
    return Parser().run(descriptor);
}

} // namespace orvex
