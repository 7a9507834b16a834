// The REGEDIT4 hive file: any text either parses or says which line failed,
// and a parsed hive written out reads back as the same hive.

#include "FuzzInput.h"

#include "Regedit4Parser.h"
#include "RegistryHive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray root = "HKEY_CURRENT_USER";
  const QByteArray text = fuzz::bytes(data, size);
  reg::regedit4::ParseError error;
  const std::optional<reg::RegistryHive> hive = reg::RegistryHive::parse(root, text, &error);
  if (!hive) {
    fuzz::require(error.line >= 1 && error.line <= text.count('\n') + 1, "the failing line is in the text");
    return 0;
  }
  const QByteArray written = hive->toRegedit4();
  const std::optional<reg::RegistryHive> again = reg::RegistryHive::parse(root, written, nullptr);
  fuzz::require(again.has_value(), "a written hive parses");
  fuzz::require(again->toRegedit4() == written, "a written hive reads back the same");
  return 0;
}
