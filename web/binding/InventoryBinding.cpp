// The inventory editor's rules for the page: the page keeps the selections
// and shows the lists and messages, the shared InventoryEditor does the rest.
#include <emscripten/bind.h>

#include <string>
#include <vector>

#include "codec/VelmaraData.h"
#include "core/InventoryEditor.h"
#include "web/binding/BindingSupport.h"

namespace velmara::web {

namespace {

using emscripten::val;

val RowsOf(const std::vector<InventoryRow>& rows) {
  val array = val::array();
  for (const InventoryRow& row : rows) {
    val entry = val::object();
    entry.set("text", row.text);
    entry.set("word", row.word);
    array.call<void>("push", entry);
  }
  return array;
}

class Editor {
 public:
  // `slots` is an array of {text, word}, the rows of the page's list.
  void open(const val& slots, const std::string& characterName, bool gold) {
    std::vector<InventoryRow> rows;
    const int count = slots["length"].as<int>();
    for (int i = 0; i < count; ++i) {
      const val row = slots[i];
      rows.push_back(
          {row["text"].as<std::string>(), static_cast<std::uint16_t>(row["word"].as<unsigned>())});
    }
    editor_.Open(std::move(rows), characterName, gold);
  }
  val items() const { return RowsOf(editor_.Items()); }
  val slots() const { return RowsOf(editor_.Slots()); }
  int itemRowOf(int slot) const { return editor_.ItemRowOf(slot); }

  std::string add(int chosen) { return editor_.Add(chosen); }
  std::string insert(int chosen, int selected) { return editor_.Insert(chosen, selected); }
  std::string replace(int chosen, int selected) { return editor_.Replace(chosen, selected); }
  std::string remove(int selected) { return editor_.Remove(selected); }

  std::string quantityRefusal(int selected) const { return editor_.QuantityRefusal(selected); }
  // {title, prompt, initial}
  val quantityPrompt(int selected) const {
    const QuantityQuestion question = editor_.QuantityPrompt(selected);
    val prompt = val::object();
    prompt.set("title", question.title);
    prompt.set("prompt", question.prompt);
    prompt.set("initial", question.initial);
    return prompt;
  }
  std::string setQuantity(int selected, const std::string& entered) {
    return editor_.SetQuantity(selected, entered);
  }

  int moveUp(int selected) { return editor_.MoveUp(selected); }
  int moveDown(int selected) { return editor_.MoveDown(selected); }
  int moveToTop(int selected) { return editor_.MoveToTop(selected); }
  int moveToBottom(int selected) { return editor_.MoveToBottom(selected); }
  void compact() { editor_.Compact(); }

 private:
  InventoryEditor editor_{SharedItemNames()};
};

}  // namespace

EMSCRIPTEN_BINDINGS(velmara_inventory) {
  emscripten::class_<Editor>("InventoryEditor")
      .constructor<>()
      .function("open", &Editor::open)
      .function("items", &Editor::items)
      .function("slots", &Editor::slots)
      .function("itemRowOf", &Editor::itemRowOf)
      .function("add", &Editor::add)
      .function("insert", &Editor::insert)
      .function("replace", &Editor::replace)
      .function("remove", &Editor::remove)
      .function("quantityRefusal", &Editor::quantityRefusal)
      .function("quantityPrompt", &Editor::quantityPrompt)
      .function("setQuantity", &Editor::setQuantity)
      .function("moveUp", &Editor::moveUp)
      .function("moveDown", &Editor::moveDown)
      .function("moveToTop", &Editor::moveToTop)
      .function("moveToBottom", &Editor::moveToBottom)
      .function("compact", &Editor::compact);
}

}  // namespace velmara::web
