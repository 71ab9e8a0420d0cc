// Building the Kestrel32 board's pages (TabSheetActivate: common settings, both axes pages and
// the equalizer), measured against creating the same number and kinds of bare widgets at the
// same places on the same pages in the same run. The pages may cost at most 1.5 times the bare
// widgets. Also prints the whole selection of the board (identification, processor identifier
// query and page build) for reference.
#include "pages_bench_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace {

using namespace orvex;

constexpr int kRounds = 41;
constexpr double kTargetRatio = 1.5;

enum class Kind { Label, Check, Edit, Combo, Bar };

struct Placed {
    Kind kind;
    QWidget* page;
    QRect geometry;
    bool hidden;
};

template <typename T, std::size_t N>
void census(std::vector<Placed>& out, const std::array<T*, N>& grid, Kind kind)
{
    for (T* control : grid)
        if (control != nullptr)
            out.push_back({kind, control->parentWidget(), control->geometry(), control->isHidden()});
}

/// Every run-time control of the built pages: its kind, page, place and visibility.
std::vector<Placed> censusOf(const app::TMainForm& form)
{
    std::vector<Placed> all;
    census(all, form.StaticTexts, Kind::Label);
    census(all, form.CommonEdits, Kind::Edit);
    census(all, form.CommonChecks, Kind::Check);
    census(all, form.CommonCombos, Kind::Combo);
    census(all, form.PhysAxisEdits, Kind::Edit);
    census(all, form.PhysAxisChecks, Kind::Check);
    census(all, form.PhysAxisCombos, Kind::Combo);
    census(all, form.LogAxisEdits, Kind::Edit);
    census(all, form.LogAxisChecks, Kind::Check);
    census(all, form.LogAxisCombos, Kind::Combo);
    census(all, form.EqPointEdits, Kind::Edit);
    census(all, form.EqPointBars, Kind::Bar);
    census(all, std::array<QCheckBox*, 1>{form.EqLinkedBox}, Kind::Check);
    return all;
}

QWidget* bareWidget(const Placed& placed)
{
    switch (placed.kind) {
    case Kind::Label:
        return new QLabel(placed.page);
    case Kind::Check:
        return new QCheckBox(placed.page);
    case Kind::Edit:
        return new QLineEdit(placed.page);
    case Kind::Combo: {
        // The pages' lists are drop-down lists with an edit field, as the platform's combo
        // box is by default; the bare one is the same kind.
        auto* combo = new QComboBox(placed.page);
        combo->setEditable(true);
        return combo;
    }
    case Kind::Bar:
        return new QSlider(placed.page);
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    bench::useOffscreenPlatform();
    QApplication application(argc, argv);
    bench::BenchWindow window;
    app::TMainForm& form = *window.form;
    if (!window.select(QStringLiteral("Orvex Kestrel32"))) {
        std::fprintf(stderr, "no Kestrel32 board listed\n");
        return 1;
    }
    const std::vector<Placed> controls = censusOf(form);

    std::vector<double> pages, bare, selection;
    std::vector<QWidget*> made;
    made.reserve(controls.size());
    for (int round = 0; round < kRounds; ++round) {
        form.TabSheetClear();
        bench::BenchWindow::settle();
        form.LastKind = 0; // the pages were built for another kind: rebuild them
        pages.push_back(bench::millisecondsOf([&] { form.TabSheetActivate(); }));
        bench::BenchWindow::settle();

        form.TabSheetClear();
        bench::BenchWindow::settle();
        bare.push_back(bench::millisecondsOf([&] {
            for (const Placed& placed : controls) {
                QWidget* widget = bareWidget(placed);
                widget->setGeometry(placed.geometry);
                if (!placed.hidden) widget->show();
                made.push_back(widget);
            }
        }));
        bench::BenchWindow::settle();
        qDeleteAll(made);
        made.clear();

        form.LastKind = 0;
        selection.push_back(bench::millisecondsOf([&] { window.select(QStringLiteral("Orvex Kestrel32")); }));
    }

    const double pageMs = bench::median(pages);
    const double bareMs = bench::median(bare);
    const double ratio = pageMs / bareMs;
    std::printf("Kestrel32 pages: %zu run-time controls, median of %d rounds\n", controls.size(), kRounds);
    std::printf("  page build (TabSheetActivate)   %8.2f ms\n", pageMs);
    std::printf("  same bare widgets, same places  %8.2f ms\n", bareMs);
    std::printf("  ratio                           %8.2f  (target <= %.1f) %s\n", ratio, kTargetRatio,
                ratio <= kTargetRatio ? "met" : "MISSED");
    std::printf("  whole selection of the board    %8.2f ms (with identification, no pauses)\n",
                bench::median(selection));
    return window.prompts.shown == 0 ? 0 : 1;
}
