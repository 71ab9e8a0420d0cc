// Full Kestrel32 image write ("Set") and read ("Get") against an emulated board with real
// pauses. The protocol mandates its pauses (18 ms per written report, 1 ms around each read
// report, 500 ms before a Get); everything else the tool spends is overhead. Prints, per
// operation, the wall time, the mandated pauses and the overhead beyond them.
#include "app/TMainForm.h"
#include "app/event_guard.h"
#include "app/prompts.h"
#include "core/clock.h"
#include "core/registry_script.h"
#include "hid/emulated/demo_boards.h"
#include "hid/hid_ctl.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using namespace orvex;

/// Real pauses, each one also added to the mandated total. With pauses off it only counts them,
/// which shows how much of the overhead is the tool's own work and how much the system's sleep.
class MeasuringClock final : public Clock {
public:
    void Sleep(std::uint32_t ms) override
    {
        m_mandatedMs += ms;
        if (m_pausing)
            m_clock.Sleep(ms);
    }
    std::uint64_t nowMs() const override { return m_clock.nowMs() + (m_pausing ? 0 : m_mandatedMs); }
    std::uint64_t mandatedMs() const { return m_mandatedMs; }
    void setPausing(bool pausing) { m_pausing = pausing; }

private:
    SystemClock m_clock;
    std::uint64_t m_mandatedMs = 0;
    bool m_pausing = true;
};

class PrintingPrompts final : public app::Prompts {
public:
    void messageBox(const QString& text, const QString& title, Icon) override
    {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
        ++failures;
    }
    void showException(const QString& message) override
    {
        std::fprintf(stderr, "exception: %s\n", qPrintable(message));
        ++failures;
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    int failures = 0;
};

struct Totals {
    double wallMs = 0;
    double mandatedMs = 0;
};

/// Runs `operation` and adds its wall time and the pauses it asked for to `totals`.
void measure(MeasuringClock& clock, Totals& totals, const std::function<void()>& operation)
{
    const std::uint64_t mandatedBefore = clock.mandatedMs();
    const auto start = std::chrono::steady_clock::now();
    operation();
    const auto end = std::chrono::steady_clock::now();
    totals.wallMs += std::chrono::duration<double, std::milli>(end - start).count();
    totals.mandatedMs += static_cast<double>(clock.mandatedMs() - mandatedBefore);
}

void report(const char* name, const Totals& t, int rounds)
{
    const double overhead = t.wallMs - t.mandatedMs;
    std::printf("%-6s %8.2f ms wall  %8.2f ms mandated  %7.3f ms overhead  %6.3f %%   (per operation, %d rounds)\n",
                name, t.wallMs / rounds, t.mandatedMs / rounds, overhead / rounds, 100.0 * overhead / t.mandatedMs,
                rounds);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    MeasuringClock clock;
    PrintingPrompts prompts;
    AbsentKeys keys;
    auto backend = std::make_unique<hid::EmulatedBackend>();
    auto board = hid::makeKestrel32Board(clock);
    backend->addBoard(board);
    std::vector<std::unique_ptr<hid::HidBackend>> backends;
    backends.push_back(std::move(backend));
    hid::HidCtl hid(std::move(backends), nullptr);
    app::TMainForm form(app::MainFormServices{hid, prompts, clock, keys});
    form.cbAutoReadParam->setChecked(false);
    for (int i = 0; i < 4; ++i)
        QCoreApplication::processEvents();
    if (form.DevListBox->count() != 1) {
        std::fprintf(stderr, "the emulated board is not listed\n");
        return 1;
    }
    form.DevListBox->setCurrentRow(0);
    app::runGuarded(prompts, [&form] { form.DevListBoxClick(); });
    if (!form.CpuIdValid || form.ImageSize != 1024) {
        std::fprintf(stderr, "the board was not identified as a Kestrel32 board with its key\n");
        return 1;
    }

    auto* firmware = board->firmwareAs<hid::Kestrel32Firmware>();
    bool verified = true;
    // One Set, then the image cleared and read back: what was written must come home.
    auto cycle = [&](Totals& set, Totals& get) {
        measure(clock, set, [&] { app::runGuarded(prompts, [&form] { form.btnWriteParamClick(); }); });
        const std::vector<std::uint8_t> written = firmware->nonVolatile();
        form.Kestrel32Image.fill(0);
        measure(clock, get, [&] { app::runGuarded(prompts, [&form] { form.btnReadParamClick(); }); });
        verified = verified && std::equal(written.begin(), written.end(), form.Kestrel32Image.begin());
    };
    Totals set;
    Totals get;
    for (int round = 0; round < rounds; ++round)
        cycle(set, get);
    clock.setPausing(false);
    Totals setWork;
    Totals getWork;
    for (int round = 0; round < rounds; ++round)
        cycle(setWork, getWork);
    QCoreApplication::processEvents();

    std::printf("Kestrel32 image transfer, 1024 bytes, 128-byte reports, enciphered, real pauses\n");
    report("Set", set, rounds);
    report("Get", get, rounds);
    Totals all{set.wallMs + get.wallMs, set.mandatedMs + get.mandatedMs};
    report("Both", all, rounds);
    std::printf("tool's own work (same operations, pauses skipped): Set %.3f ms, Get %.3f ms per operation\n",
                setWork.wallMs / rounds, getWork.wallMs / rounds);
    const double share = 100.0 * (all.wallMs - all.mandatedMs) / all.mandatedMs;
    std::printf("overhead beyond the mandated pauses: %.3f %% (target < 5 %%): %s; data %s\n", share,
                share < 5.0 ? "met" : "MISSED", verified && prompts.failures == 0 ? "verified" : "NOT verified");
    return share < 5.0 && verified && prompts.failures == 0 ? 0 : 1;
}
