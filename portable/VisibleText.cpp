#include "portable/VisibleText.h"

#include "portable/MbcsText.h"

ByteSet AsciiControlBytes() {
  ByteSet controls;
  for (int byte = 0; byte < 0x20; ++byte) controls.set(static_cast<size_t>(byte));
  controls.set(0x7f);
  return controls;
}

std::string VisibleText(std::string_view text, const ByteSet& controls) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string visible;
  visible.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (LeadBytes()[byte] && i + 1 < text.size()) {
      visible += text.substr(i, 2);
      ++i;
    } else if (controls[byte]) {
      visible += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xf]};
    } else {
      visible += text[i];
    }
  }
  return visible;
}
