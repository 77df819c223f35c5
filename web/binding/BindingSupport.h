// What the binding's parts share: moving bytes between JavaScript values and
// the C++ side, and the one item-name list.
#pragma once

#include <emscripten/val.h>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "codec/VelmaraData.h"

namespace velmara::web {

// The bytes of a Uint8Array (or any array of numbers 0..255).
std::vector<std::uint8_t> BytesOf(const emscripten::val& array);

// A new Uint8Array holding a copy of `count` bytes.
emscripten::val Uint8ArrayOf(const std::uint8_t* bytes, std::size_t count);

// A JavaScript string of UTF-8 text, decoded in one step from the module's
// memory. Faster than returning a std::string, whose conversion walks the
// bytes one by one; the page makes a password on every refresh.
emscripten::val JsString(std::string_view text);

// The item-name list, built once.
const std::vector<ItemName>& SharedItemNames();

}  // namespace velmara::web
