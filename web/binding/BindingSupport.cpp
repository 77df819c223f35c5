#include "web/binding/BindingSupport.h"

#include <emscripten/emscripten.h>

namespace velmara::web {

namespace {

EM_JS(emscripten::EM_VAL, DecodeUtf8, (const char* text, std::size_t length),
      { return Emval.toHandle(UTF8Decoder.decode(HEAPU8.subarray(text, text + length))); });

}  // namespace

emscripten::val JsString(std::string_view text) {
  return emscripten::val::take_ownership(DecodeUtf8(text.data(), text.size()));
}

std::vector<std::uint8_t> BytesOf(const emscripten::val& array) {
  return emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
}

emscripten::val Uint8ArrayOf(const std::uint8_t* bytes, std::size_t count) {
  // The view looks into the module's memory; the new array copies it out.
  return emscripten::val::global("Uint8Array").new_(emscripten::typed_memory_view(count, bytes));
}

const std::vector<ItemName>& SharedItemNames() {
  static const std::vector<ItemName> names = BuildItemNames();
  return names;
}

}  // namespace velmara::web
