// What the binding's parts share: moving bytes between JavaScript values and
// the C++ side, and the one item-name list.
#pragma once

#include <emscripten/val.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "VelmaraData.h"

namespace velmara::web {

// The bytes of a Uint8Array (or any array of numbers 0..255).
std::vector<std::uint8_t> BytesOf(const emscripten::val& array);

// A new Uint8Array holding a copy of `count` bytes.
emscripten::val Uint8ArrayOf(const std::uint8_t* bytes, std::size_t count);

// The item-name list, built once.
const std::vector<ItemName>& SharedItemNames();

}  // namespace velmara::web
