#pragma once
// The main window with tapped boards: selects a board as a user does, then clears what the
// selection itself exchanged, so a test sees only the traffic and pauses of its own actions.
#include "app/event_guard.h"
#include "protocol_wire_tap.h"
#include "support/main_form_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <vector>

namespace orvex::test {

inline constexpr char kReadErrorText[] = "Ошибка чтения данных, попробуйте снова";

class ProtocolFixture : public MainFormFixture {
protected:
    template <class Firmware>
    TappedBoard<Firmware> select(TappedBoard<Firmware> board)
    {
        addBoard(board.board);
        selectBoard(board.board->PnPInfo().DevicePath);
        board.tap->clear();
        clock.clearPauses();
        prompts.clear();
        return board;
    }

    /// Runs a handler as its button does: guarded, then the event loop.
    void run(void (app::TMainForm::*handler)())
    {
        app::runGuarded(prompts, [this, handler] { (form.get()->*handler)(); });
        settle();
    }
    void get() { run(&app::TMainForm::btnReadParamClick); }
    void set() { run(&app::TMainForm::btnWriteParamClick); }

    void showPage(int page)
    {
        form->PageControl1->setCurrentIndex(page);
        settle();
    }
    void useRam(bool ram)
    {
        form->ComboBox2->setCurrentIndex(ram ? 1 : 0);
        settle();
    }

    /// The messages shown, as "title: text".
    QStringList shownMessages() const
    {
        QStringList out;
        for (const auto& m : prompts.messages)
            out << m.title + ": " + m.text;
        return out;
    }
    static QString readError() { return QStringLiteral("!!! CRC Error !!!: ") + QString::fromUtf8(kReadErrorText); }
};

inline std::vector<std::uint8_t> bytesOf(std::initializer_list<int> values)
{
    std::vector<std::uint8_t> out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

/// The first `count` bytes of `report`.
inline std::vector<std::uint8_t> head(const std::vector<std::uint8_t>& report, std::size_t count)
{
    return {report.begin(), report.begin() + static_cast<std::ptrdiff_t>(std::min(count, report.size()))};
}

} // namespace orvex::test
