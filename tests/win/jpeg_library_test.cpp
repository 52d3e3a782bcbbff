#include <gtest/gtest.h>

#include "formats/jpeg_library.h"

TEST(JpegLibrary, LinkedLibraryAcceptsOurHeadersAndNamesItsVersion) {
  const std::string version = JpegLibraryVersion();
  EXPECT_EQ(version.rfind("libjpeg-turbo ", 0), 0u) << version;
  EXPECT_GT(version.size(), std::string("libjpeg-turbo ").size());
}
