#include "core/crc16.h"

namespace orvex {

std::uint16_t CRC16Update(std::uint16_t crc, std::uint8_t byte)
{
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit)
        crc = (crc & 1u) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001u)
                         : static_cast<std::uint16_t>(crc >> 1);
    return crc;
}

std::uint16_t crc16(std::span<const std::uint8_t> data)
{
    std::uint16_t crc = 0xFFFF;
    for (std::uint8_t byte : data)
        crc = CRC16Update(crc, byte);
    return crc;
}

} // namespace orvex
