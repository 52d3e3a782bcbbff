#include "common/program_constants.h"

#include "common/decimal.h"
#include "common/shift_jis.h"

namespace {

std::string HelperDigits(int helperNumber) {
  const std::string digits = "000" + ToDecimal(helperNumber);
  return digits.substr(digits.size() - 3);
}

}  // namespace

std::string UninstallHelperName(int helperNumber) { return "unin_quilo" + HelperDigits(helperNumber) + ".exe"; }

std::string UninstallHelperCaption(int helperNumber) { return "UNINSTALL_QUILO" + HelperDigits(helperNumber); }

StartMode DecideStartMode(const std::string* firstArgument, const std::string& ownFileName) {
  if (firstArgument && *firstArgument == "/uninstall") return StartMode::Uninstall;
  if (AsciiLowerCase(ownFileName) == UninstallHelperName()) return StartMode::UninstallHelper;
  return StartMode::Normal;
}

bool StoredVersionMatches(const std::string* storedVersion) {
  const std::string text = storedVersion && !storedVersion->empty() ? *storedVersion : "255";
  const auto version = ParseDecimal(text);
  return version && *version == ProgramVersion;
}
