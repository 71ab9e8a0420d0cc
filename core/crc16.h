#pragma once
#include <cstdint>
#include <span>

namespace orvex {

/// One step of CRC-16/MODBUS (reflected polynomial 0xA001, no final XOR).
std::uint16_t CRC16Update(std::uint16_t crc, std::uint8_t byte);

/// CRC-16/MODBUS of a whole block, starting from 0xFFFF as the boards do.
std::uint16_t crc16(std::span<const std::uint8_t> data);

} // namespace orvex
