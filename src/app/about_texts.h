#pragma once
#include <string>

// What the about box and the contact message show: the maker's addresses and the rules that turn
// the handed-over values into the box's texts.

inline constexpr const char* HomePageAddresses[] = {"https://www.example.com/piktoran/",
                                                    "https://www.example.jp/quilosoft/"};
inline constexpr const char* MailAddress = "piktoran@example.com";
// The period in which the program was made, year.month-year.month.
inline constexpr const char* MakingPeriod = "2026.01-2026.12";

// "ProductName " + the name when it is shorter than 21 bytes, else the name alone.
std::string ProductNameLabel(const std::string& productName);

// The installed version from the stored "Version" (null: missing): "?.?" when it is missing, empty,
// not a number, 255 (the installer's "none") or negative; otherwise n / 10 "." n mod 10.
std::string InstalledVersionText(const std::string* storedVersion);

// The window caption: the title (the application title when empty) + " バージョン情報".
std::string AboutCaption(const std::string& title, const std::string& applicationTitle);

// The third label: a fixed word, a blank and the period.
std::string PeriodLabel(const std::string& periodText);

// The comment line that names the linked JPEG library; empty when the library did not answer.
std::string JpegLibraryLine(const std::string& jpegLibrary);

// The question before a home page is opened.
std::string HomePageQuestion(const std::string& address);

// The contact message: the home pages and the mail address under short headings, and what to
// tell the maker.
std::string ContactMessage(const std::string& jpegLibrary);
