// Short commands: one feature report asking the board to act at once (reset, calibration,
// boot loader). Nothing comes back; a command the board ignores goes unnoticed.
#include "app/TMainForm.h"
#include "app/transfer_checks.h"
#include "core/command_codes.h"
#include "hid/hid_device.h"

#include <QCheckBox>

namespace orvex::app {

void TMainForm::ShortCMD(std::uint8_t code)
{
    const std::uint8_t reportId = reportIdOf(*this);
    // The whole report is cleared, not only the command's 128 bytes, so that a board with a
    // longer feature report never receives what an earlier transfer left behind.
    TransferReport.fill(0);
    const bool cipher = deviceKind() == kKindKestrel32 && cbEncode->isChecked();
    buildShortCommand(TransferReport, reportId, code, cipher ? &TransferKey : nullptr);
    if (!reachesKnownDevice(*this) || !featureLengthUsable(*this, false))
        return;
    SelectedDevice->SetFeature(TransferReport.data(), FeatureLength);
}

void TMainForm::btnResetClick() { ShortCMD(CommandTable[CMD_RESET]); }

void TMainForm::btnSTARTClbClick() { ShortCMD(CommandTable[CMD_CALIB_START]); }

void TMainForm::btnENDClbClick() { ShortCMD(CommandTable[CMD_CALIB_END]); }

void TMainForm::btnCANCELClbClick() { ShortCMD(CommandTable[CMD_CALIB_CANCEL]); }

void TMainForm::btnBootloaderClick()
{
    ShortCMD(CommandTable[CMD_BOOT_1]);
    services().clock.Sleep(kBootCommandPauseMs);
    ShortCMD(CommandTable[CMD_BOOT_2]);
}

} // namespace orvex::app
