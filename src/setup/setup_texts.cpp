#include "setup/setup_texts.h"

#include "common/decimal.h"

std::string VersionCaption(const std::string& title, int version) {
  return title + " V" + ToDecimal(version / 10) + "．" + ToDecimal(version % 10);
}

std::string UninstallDisplayName(const std::string& title, int version) {
  return "QUILOSOFT " + title + " V" + ToDecimal(version / 10) + "." + ToDecimal(version % 10);
}
