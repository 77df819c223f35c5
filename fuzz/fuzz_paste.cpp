// Pastes arbitrary bytes, read as UTF-8, the way the window imports clipboard
// text: clean, pick the type by length, decode into a zeroed record. Cleaned
// text holds no layout character and survives the clipboard layout; a text the
// decoder refuses leaves the record all zero.
#include <QString>
#include <QStringView>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "codec/Password.h"
#include "sources/PasswordText.h"

using namespace velmara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
  if (size > 128 * 1024) return -1;  // far beyond any password with its layout
  const QString pasted =
      QString::fromUtf8(reinterpret_cast<const char*>(input), static_cast<qsizetype>(size));
  const QString text = CleanPasswordText(pasted);
  for (const QChar c : QStringView(u" \t\r\n-"))
    if (text.contains(c)) std::abort();
  if (CleanPasswordText(FormatPasswordForClipboard(text)) != text) std::abort();

  const auto type = PasswordTypeForLength(PasswordCharCount(text));
  if (!type) return 0;
  TPasswordData data{};
  TVelmaraPasswordDecoder decoder;
  if (decoder.DecodePassword(*type, text.toStdString(), &data).empty()) return 0;
  const TPasswordData zero{};
  if (std::memcmp(&data, &zero, sizeof data) != 0) std::abort();
  return 0;
}
