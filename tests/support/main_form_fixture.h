#pragma once
// The main window against emulated boards, for GUI tests. The window starts with no boards; a
// test adds boards (they arrive as plugged-in devices), lets queued events run, clicks list
// lines as a user would, and plugs boards in and out. Pauses go to a ManualClock, prompts to
// ScriptedPrompts, the registry has no keys, and the current folder is a fresh temporary folder
// (registry clean-up files land there).
#include "app/TMainForm.h"
#include "app/device_list_box.h"
#include "app/event_guard.h"
#include "core/device_identity.h"
#include "core/registry_script.h"
#include "hid/emulated/demo_boards.h"
#include "hid/emulated/emulated_backend.h"
#include "hid/hid_ctl.h"
#include "support/manual_clock.h"
#include "support/scripted_prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace orvex::test {

class MainFormFixture : public ::testing::Test {
protected:
    MainFormFixture()
    {
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_folder.path());
        auto emulated = std::make_unique<hid::EmulatedBackend>();
        backend = emulated.get();
        std::vector<std::unique_ptr<hid::HidBackend>> backends;
        backends.push_back(std::move(emulated));
        hid = std::make_unique<hid::HidCtl>(std::move(backends), nullptr);
        form = std::make_unique<app::TMainForm>(app::MainFormServices{*hid, prompts, clock, keys});
        form->show();
        settle();
    }

    ~MainFormFixture() override
    {
        form.reset();
        hid.reset();
        QDir::setCurrent(m_previousFolder);
    }

    /// Runs everything queued on the event loop: device changes, queued prompts, deferred deletes.
    static void settle()
    {
        for (int round = 0; round < 8; ++round) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }

    /// Runs the event loop until `done()` holds or `ms` milliseconds of real time have passed;
    /// for what the window delays by a timer. Returns `done()`.
    template <class Predicate>
    static bool waitUntil(Predicate done, int ms = 2000)
    {
        QElapsedTimer elapsed;
        elapsed.start();
        while (!done() && elapsed.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
        return done();
    }

    /// Adds a board to the emulated backend and lets its arrival rebuild the list.
    std::shared_ptr<hid::EmulatedBoard> addBoard(std::shared_ptr<hid::EmulatedBoard> board)
    {
        backend->addBoard(board);
        settle();
        return board;
    }
    std::shared_ptr<hid::EmulatedBoard> addFalconet(std::string path = hid::kDemoFalconetPath)
    {
        return addBoard(hid::makeFalconetBoard(clock, std::move(path)));
    }
    std::shared_ptr<hid::EmulatedBoard> addKestrel32(std::string path = hid::kDemoKestrel32Path)
    {
        return addBoard(hid::makeKestrel32Board(clock, std::move(path)));
    }
    std::shared_ptr<hid::EmulatedBoard> addBootLoader(std::string path = hid::kDemoBootLoaderPath)
    {
        return addBoard(hid::makeBootLoaderBoard(std::move(path)));
    }
    /// A board of any identity that speaks no protocol (answers zeros).
    std::shared_ptr<hid::EmulatedBoard> addInertBoard(hid::HidIdentity identity)
    {
        return addBoard(std::make_shared<hid::EmulatedBoard>(std::move(identity),
                                                             std::make_unique<hid::InertFirmware>()));
    }
    /// An identity of the maker's vendor ID; the path defaults to one made of the product ID.
    static hid::HidIdentity identity(std::uint16_t productId, std::string productName,
                                     std::uint16_t version, std::uint16_t featureLength,
                                     std::string path = {})
    {
        hid::HidIdentity id;
        id.attributes = {hid::kOrvexVendorId, productId, version};
        id.caps.FeatureReportByteLength = featureLength;
        id.pnp.DevicePath = path.empty() ? "emulated:pid-" + std::to_string(productId) : path;
        id.pnp.DeviceDescr = "Emulated device " + std::to_string(productId);
        id.productName = std::move(productName);
        return id;
    }

    /// Clicks line `row` of the device list as a user does (press and release on the line).
    void selectLine(int row)
    {
        QListWidget* list = form->DevListBox;
        ASSERT_GE(row, 0);
        ASSERT_LT(row, list->count());
        const QPointF at = list->visualItemRect(list->item(row)).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(list->viewport(), &event);
        }
        settle();
    }
    /// Clicks the line of the board whose device path is `path`; fails the test when not listed.
    void selectBoard(const std::string& path)
    {
        const int row = lineOf(path);
        ASSERT_GE(row, 0) << "no line for " << path;
        selectLine(row);
    }
    /// The row of the plugged-in board with path `path` in the list, or -1. The list follows
    /// the backend's order of plugged-in boards, leaving out the ones it does not accept.
    int lineOf(const std::string& path) const
    {
        int row = 0;
        for (const auto& device : backend->enumerate()) {
            const hid::HidAttributes& attributes = device->Attributes();
            if (!isListedDevice(attributes.VendorID, attributes.ProductID))
                continue;
            if (device->PnPInfo().DevicePath == path)
                return row;
            ++row;
        }
        return -1;
    }

    void unplug(const std::string& path)
    {
        ASSERT_TRUE(backend->setPlugged(path, false));
        settle();
    }
    void plug(const std::string& path)
    {
        ASSERT_TRUE(backend->setPlugged(path, true));
        settle();
    }

    /// Runs the automatic read now, as if its timer had expired.
    void fireTimer2()
    {
        app::runGuarded(prompts, [this] { form->Timer2Timer(); });
        settle();
    }

    QString lineText(int row) const { return form->DevListBox->item(row)->text(); }
    QStringList lineTexts() const
    {
        QStringList texts;
        for (int row = 0; row < form->DevListBox->count(); ++row)
            texts << lineText(row);
        return texts;
    }
    /// The lines of the history log, in order (an empty log has none).
    QStringList historyLines() const
    {
        QStringList lines;
        const QTextDocument* document = form->HistoryListBox->document();
        if (document->isEmpty())
            return lines;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            lines << block.text();
        return lines;
    }

    ManualClock clock;
    ScriptedPrompts prompts;
    AbsentKeys keys;
    hid::EmulatedBackend* backend = nullptr; ///< owned by hid
    std::unique_ptr<hid::HidCtl> hid;
    std::unique_ptr<app::TMainForm> form;

private:
    QTemporaryDir m_folder;
    QString m_previousFolder;
};

} // namespace orvex::test
