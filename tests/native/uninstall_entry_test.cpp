#include <gtest/gtest.h>

#include <cstdint>
#include <map>

#include "setup/uninstall_entry_values.h"

namespace {

std::map<std::string, std::variant<std::string, std::uint32_t>> Values(const std::string& program, std::uint64_t bytes) {
  std::map<std::string, std::variant<std::string, std::uint32_t>> values;
  for (const UninstallEntryValue& v : UninstallEntryValues(program, bytes)) {
    EXPECT_TRUE(values.emplace(v.name, v.value).second) << "twice: " << v.name;
  }
  return values;
}

TEST(UninstallEntry, WhatTheProgramsListShowsAndRuns) {
  const auto values = Values("C:\\Tools (64-bit)\\PIKTORAN\\PIKTORAN.EXE", 2'500'000);
  using S = std::string;
  EXPECT_EQ(values.at("DisplayName"), (decltype(values)::mapped_type{S("QUILOSOFT ピクトラン V1.7")}));
  EXPECT_EQ(std::get<S>(values.at("UninstallString")), "\"C:\\Tools (64-bit)\\PIKTORAN\\PIKTORAN.EXE\" /uninstall");
  EXPECT_EQ(std::get<S>(values.at("DisplayIcon")), "C:\\Tools (64-bit)\\PIKTORAN\\PIKTORAN.EXE,0");
  EXPECT_EQ(std::get<S>(values.at("DisplayVersion")), "1.7");
  EXPECT_EQ(std::get<S>(values.at("Publisher")), "QUILOSOFT");
  EXPECT_EQ(std::get<S>(values.at("InstallLocation")), "C:\\Tools (64-bit)\\PIKTORAN");
  EXPECT_EQ(std::get<std::uint32_t>(values.at("EstimatedSize")), 2442u);
  EXPECT_EQ(std::get<std::uint32_t>(values.at("NoModify")), 1u);
  EXPECT_EQ(std::get<std::uint32_t>(values.at("NoRepair")), 1u);
}

TEST(UninstallEntry, TheSizeInKilobytesRoundsUpAndSaturates) {
  const struct {
    std::uint64_t bytes;
    std::uint32_t kilobytes;
  } cases[] = {{0, 0}, {1, 1}, {1024, 1}, {1025, 2}, {std::uint64_t{1} << 50, UINT32_MAX}, {UINT64_MAX, UINT32_MAX}};
  for (const auto& c : cases) {
    EXPECT_EQ(std::get<std::uint32_t>(Values("C:\\P\\PIKTORAN.EXE", c.bytes).at("EstimatedSize")), c.kilobytes) << c.bytes;
  }
}

}  // namespace
