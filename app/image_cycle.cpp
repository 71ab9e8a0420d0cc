// "Get" and "Set": the configuration image and the Falconet button memory moved between the
// board and the tool, and the Kestrel32 transfer key that enciphers that board's traffic.
#include "app/TMainForm.h"
#include "app/transfer_checks.h"
#include "core/command_codes.h"
#include "core/image_layout.h"
#include "core/rc4.h"
#include "core/transfer_key.h"
#include "core/transfer_range.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace orvex::app {

namespace {

enum Page { kParametersPage = 0, kPhysButtonsPage = 1, kLogButtonsPage = 2 };

constexpr std::size_t kCpuIdScratchSize = 128; ///< holds the 120-byte identifier reply

/// The Kestrel32 board enciphers parameter transfers whenever the (hidden) cipher switch is on.
bool ciphered(const TMainForm& form)
{
    return form.deviceKind() == kKindKestrel32 && form.cbEncode->isChecked();
}

std::span<const std::uint8_t> parameterKey(const TMainForm& form)
{
    return std::span(form.TransferKey).first(kParameterKeyLength);
}

/// The page whose data "Get" and "Set" move; a Kestrel32 board always moves its whole image.
int transferPage(const TMainForm& form)
{
    return form.deviceKind() == kKindKestrel32 ? kParametersPage : form.PageControl1->currentIndex();
}

bool ramSelected(const TMainForm& form) { return form.ComboBox2->currentIndex() == 1; }

/// The Kestrel32 image carries the button blocks; the button pages edit the working copies.
void buttonsFromImage(TMainForm& form)
{
    if (form.ImagePtr == nullptr || form.ImageSize < kKestrel32ImageSize)
        return;
    std::copy_n(form.ImagePtr + kKestrel32PhysButtonsOffset, kButtonBlockSize, form.PhysButtons.begin());
    std::copy_n(form.ImagePtr + kKestrel32LogButtonsOffset, kButtonBlockSize, form.LogButtons.begin());
    form.ShowSheetOption1();
    form.ShowSheetOption2();
}

/// Writes one button block to Falconet button memory in two halves, 25 ms apart.
void writeButtonBlock(TMainForm& form, const std::array<std::uint8_t, kButtonBlockSize>& block,
                      std::uint16_t address)
{
    for (std::uint16_t half = 0; half < kButtonBlockSize; half += kButtonHalfSize) {
        std::copy_n(block.begin() + half, kButtonHalfSize, form.TransferData.begin());
        form.LongTransferWrite(form.CommandTable[CMD_WRITE_BUTTONS], static_cast<std::uint16_t>(address + half),
                               kButtonHalfSize);
        form.services().clock.Sleep(kButtonHalfPauseMs);
    }
}

} // namespace

void TMainForm::ClampTransferRange()
{
    const std::int64_t size = fieldValue(Edit_SIZE);
    const std::int64_t address = fieldValue(Edit_ADR);
    const TransferRange range = clampTransferRange({size, address}, ImageSize);
    Edit_SIZE->setText(QString::number(range.size));
    Edit_ADR->setText(QString::number(range.address));
}

void TMainForm::btnReadParamClick()
{
    const int page = transferPage(*this);
    ClampTransferRange();
    Timer2->stop();
    services().clock.Sleep(kGetPauseMs);
    if (!reachesKnownDevice(*this))
        return;

    switch (page) {
    case kParametersPage: {
        const auto size = static_cast<std::uint16_t>(fieldValue(Edit_SIZE));
        const auto address = static_cast<std::uint16_t>(fieldValue(Edit_ADR));
        // "Set" is enabled by the read itself when it succeeds: after a failed read the pages may
        // hold nothing from this board, and writing them would overwrite its settings.
        ReadParameters(CommandTable[ramSelected(*this) ? CMD_READ_RAM : CMD_READ_PARAM], size, address);
        break;
    }
    case kPhysButtonsPage:
        if (ReadDATA(CommandTable[CMD_READ_BUTTONS], kButtonBlockSize, PhysButtons.data(), PhysButtons.size(),
                     kPhysButtonsAddress))
            btnWriteParam->setEnabled(true);
        if (Option1->isEnabled())
            ShowSheetOption1();
        break;
    case kLogButtonsPage: {
        // The logical block lies at button-memory addresses 256..511 and a read keeps device
        // addresses as indices, so it lands in a copy of the whole memory first.
        std::array<std::uint8_t, kButtonMemorySize> memory{};
        if (ReadDATA(CommandTable[CMD_READ_BUTTONS], kButtonBlockSize, memory.data(), memory.size(),
                     kLogButtonsAddress)) {
            std::copy_n(memory.begin() + kLogButtonsAddress, kButtonBlockSize, LogButtons.begin());
            btnWriteParam->setEnabled(true);
        }
        if (Option2->isEnabled())
            ShowSheetOption2();
        break;
    }
    default:
        break;
    }
}

void TMainForm::ReadParameters(std::uint8_t command, std::uint16_t size, std::uint16_t address)
{
    if (!reachesKnownDevice(*this))
        return;
    const bool cipher = ciphered(*this);
    if (cipher) {
        command |= kCipherFlag;
        if (!CpuIdValid)
            return;
    }
    if (ImagePtr == nullptr || !rangeFits(*this, address, size, ImageSize)
        || !rangeFits(*this, address, size, kParameterScratchSize))
        return;

    std::array<std::uint8_t, kParameterScratchSize> scratch{};
    if (!ReadDATA(command, size, scratch.data(), scratch.size(), address))
        return;
    const std::span<std::uint8_t> received = std::span(scratch).subspan(address, size);
    if (cipher)
        RC4Crypt(received, parameterKey(*this));
    std::copy(received.begin(), received.end(), ImagePtr + address);

    ShowParam();
    btnSaveParam->setEnabled(true);
    btnWriteParam->setEnabled(true);
    if (deviceKind() == kKindKestrel32)
        buttonsFromImage(*this);
}

void TMainForm::btnWriteParamClick()
{
    switch (transferPage(*this)) {
    case kParametersPage:
        WriteParameters();
        break;
    case kPhysButtonsPage:
        WritePhysicalButtons();
        break;
    case kLogButtonsPage:
        WriteLogicalButtons();
        break;
    default:
        break;
    }
}

void TMainForm::WriteParameters()
{
    // Checked before the controls are copied into the image: a write that cannot go out
    // leaves everything as it was.
    if (!reachesKnownDevice(*this) || !featureLengthUsable(*this, true))
        return;
    const bool cipher = ciphered(*this);
    if (cipher && !CpuIdValid)
        return;
    ClampTransferRange();
    const auto address = static_cast<std::uint16_t>(fieldValue(Edit_ADR));
    const auto size = static_cast<std::uint16_t>(fieldValue(Edit_SIZE));
    RefreshParam();
    if (ImagePtr == nullptr || ImageSize == 0)
        return;

    // The outgoing copy: the image keeps its content, also the plain bytes of a ciphered write.
    std::array<std::uint8_t, kParameterScratchSize> scratch{};
    std::copy_n(ImagePtr, ImageSize, scratch.begin());
    if (deviceKind() == kKindKestrel32) {
        RefreshButtonsConfig();
        RefreshMapperConfig();
        std::copy(PhysButtons.begin(), PhysButtons.end(), scratch.begin() + kKestrel32PhysButtonsOffset);
        std::copy(LogButtons.begin(), LogButtons.end(), scratch.begin() + kKestrel32LogButtonsOffset);
    }
    std::uint8_t base = 0;
    if (cipher) {
        RC4Crypt(std::span(scratch).subspan(address, size), parameterKey(*this));
        base = kCipherFlag;
    }
    const auto command =
        static_cast<std::uint8_t>(base + CommandTable[ramSelected(*this) ? CMD_WRITE_RAM : CMD_WRITE_PARAM]);
    std::copy_n(scratch.begin() + address, size, TransferData.begin());
    LongTransferWrite(command, address, size);
}

void TMainForm::WritePhysicalButtons()
{
    if (!reachesKnownDevice(*this) || !featureLengthUsable(*this, true))
        return;
    RefreshButtonsConfig();
    writeButtonBlock(*this, PhysButtons, kPhysButtonsAddress);
}

void TMainForm::WriteLogicalButtons()
{
    if (!reachesKnownDevice(*this) || !featureLengthUsable(*this, true))
        return;
    RefreshMapperConfig();
    writeButtonBlock(*this, LogButtons, kLogButtonsAddress);
}

void TMainForm::ReadCPUID()
{
    // The identifier block is never enciphered: the key is what it provides.
    std::array<std::uint8_t, kCpuIdScratchSize> scratch{};
    if (!ReadDATA(CommandTable[CMD_READ_CPUID], kCpuIdReplySize, scratch.data(), scratch.size(), 0)) {
        CpuIdValid = false;
        return;
    }
    TransferKey = deriveTransferKey(std::span(scratch).subspan<kCpuIdSeedOffset, kTransferKeySize>());
    CpuIdValid = true;
}

} // namespace orvex::app
