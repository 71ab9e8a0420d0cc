#pragma once
// Integer conversion of edit-box texts. Users type numbers in decimal, and sometimes in
// hexadecimal as "$1F" or "0x1F"; anything else is refused with the message the tool has always
// shown for it.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvex {

/// Thrown for a text that is not an integer; what() is "'<text>' is not a valid integer value".
class IntConversionError : public std::runtime_error {
public:
    explicit IntConversionError(std::string_view text);
};

/// Converts `text`: optional leading blanks, an optional sign, then decimal digits or
/// hexadecimal digits after "$" or "0x" (either case). Decimal values must fit a signed 32-bit
/// integer; hexadecimal ones may use all 32 bits ("$FFFFFFFF" is -1). Nothing may follow the
/// digits. An empty text is not an integer: callers that take empty as 0 check that first.
/// Throws IntConversionError.
std::int32_t StrToInt(std::string_view text);

} // namespace orvex
