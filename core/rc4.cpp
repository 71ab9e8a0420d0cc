#include "core/rc4.h"

#include <utility>

namespace orvex {

void RC4KeySetup(std::array<std::uint8_t, 256>& state, const std::uint8_t* key, std::size_t keyLength)
{
    for (std::size_t i = 0; i < state.size(); ++i)
        state[i] = static_cast<std::uint8_t>(i);
    std::uint8_t j = 0;
    for (std::size_t i = 0; i < state.size(); ++i) {
        j = static_cast<std::uint8_t>(j + state[i] + key[i % keyLength]);
        std::swap(state[i], state[j]);
    }
}

void RC4Crypt(std::span<std::uint8_t> data, std::span<const std::uint8_t> key)
{
    if (key.empty())
        return;
    std::array<std::uint8_t, 256> state;
    RC4KeySetup(state, key.data(), key.size());
    std::uint8_t i = 0;
    std::uint8_t j = 0;
    for (std::uint8_t& byte : data) {
        i = static_cast<std::uint8_t>(i + 1);
        j = static_cast<std::uint8_t>(j + state[i]);
        std::swap(state[i], state[j]);
        byte ^= state[static_cast<std::uint8_t>(state[i] + state[j])];
    }
}

} // namespace orvex
