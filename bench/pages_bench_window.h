#pragma once
// The main window with the demo boards for the page benchmarks: headless, pauses counted but
// not waited for (the pages never pause; identification does, and is not what is measured).
#include "app/TMainForm.h"
#include "app/prompts.h"
#include "core/clock.h"
#include "core/registry_script.h"
#include "hid/emulated/demo_boards.h"
#include "hid/hid_ctl.h"

#include <QApplication>
#include <QListWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace orvex::bench {

class NoWaitClock final : public Clock {
public:
    void Sleep(std::uint32_t ms) override { m_now += ms; }
    std::uint64_t nowMs() const override { return m_now; }

private:
    std::uint64_t m_now = 0;
};

class CountingPrompts final : public app::Prompts {
public:
    void messageBox(const QString& text, const QString& title, Icon) override
    {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
        ++shown;
    }
    void showException(const QString& message) override
    {
        std::fprintf(stderr, "exception: %s\n", qPrintable(message));
        ++shown;
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    int shown = 0;
};

/// The window, shown, with the demo Falconet controller and Kestrel32 board plugged in.
class BenchWindow {
public:
    BenchWindow()
    {
        std::vector<std::unique_ptr<hid::HidBackend>> backends;
        backends.push_back(hid::makeDemoBackend(clock));
        hid = std::make_unique<hid::HidCtl>(std::move(backends), nullptr);
        form = std::make_unique<app::TMainForm>(app::MainFormServices{*hid, prompts, clock, keys});
        form->show();
        settle();
    }

    static void settle()
    {
        for (int round = 0; round < 4; ++round) QCoreApplication::processEvents();
    }

    /// Selects the listed board whose line starts with `name`, as a click on it does.
    bool select(const QString& name)
    {
        const auto lines = form->DevListBox->findItems(name, Qt::MatchStartsWith);
        if (lines.isEmpty()) return false;
        form->DevListBox->setCurrentItem(lines.front());
        form->DevListBoxClick();
        settle();
        return true;
    }

    NoWaitClock clock;
    CountingPrompts prompts;
    AbsentKeys keys;
    std::unique_ptr<hid::HidCtl> hid;
    std::unique_ptr<app::TMainForm> form;
};

/// Wall time of `work` in milliseconds.
inline double millisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

/// Headless unless a platform was asked for.
inline void useOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace orvex::bench
