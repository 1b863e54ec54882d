#include "config/address_field.h"
#include "require.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace wl3;
using fuzz::require;

bool isAddressCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Exactly the input on the heap, so that a read past its end is an overflow.
    const std::string owned(reinterpret_cast<const char*>(data), size);
    const std::string_view text = owned;

    const AddressText address = parseAddressText(text);
    bool padding = false;
    for (const char c : address.characters) {
        padding = padding || c == ' ';
        require(padding ? c == ' ' : isAddressCharacter(c));
    }
    require(address.ssid >= 0 && address.ssid <= kMaxSsid);

    // What the tracker gets and gives back is the normalised text, and that is final.
    const std::string normal = normalizeAddressText(text);
    require(normal.size() <= 9);
    require(normalizeAddressText(normal) == normal);
    require(decodeAddressField(encodeAddressField(text)) == normal);
    return 0;
}
