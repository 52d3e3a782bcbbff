#include "app/about_texts.h"

#include "common/decimal.h"

namespace {
// Stored when no version is: shown as unknown like a text that is no number.
constexpr int NoVersion = 255;
}  // namespace

std::string ProductNameLabel(const std::string& productName) {
  return productName.size() < 21 ? "ProductName " + productName : productName;
}

std::string InstalledVersionText(const std::string* storedVersion) {
  const auto version = storedVersion ? ParseDecimal(*storedVersion) : std::nullopt;
  // A negative number would read "-1.-7": no version the installer writes.
  if (!version || *version == NoVersion || *version < 0) return "?.?";
  return ToDecimal(*version / 10) + "." + ToDecimal(*version % 10);
}

std::string AboutCaption(const std::string& title, const std::string& applicationTitle) {
  return (title.empty() ? applicationTitle : title) + " バージョン情報";
}

std::string PeriodLabel(const std::string& periodText) { return "Copyright " + periodText; }

std::string JpegLibraryLine(const std::string& jpegLibrary) {
  return jpegLibrary.empty() ? std::string() : "JPEG：" + jpegLibrary;
}

std::string HomePageQuestion(const std::string& address) {
  return "ホームページ\n" + address + "\nへアクセスしますか？";
}

std::string ContactMessage(const std::string& jpegLibrary) {
  std::string text = "ピクトランについてのお問い合わせは、こちらへどうぞ。\n\n【ホームページ】\n";
  for (const char* address : HomePageAddresses) text += std::string(address) + "\n";
  text += "\n【メール】\n" + std::string(MailAddress) + "\n\n";
  text += "お問い合わせのときは、バージョン情報のバージョン番号";
  const std::string jpeg = JpegLibraryLine(jpegLibrary);
  text += jpeg.empty() ? "をお書きください。" : "と、次の行をお書きください。\n" + jpeg;
  return text;
}
