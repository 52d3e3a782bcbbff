#include "formats/jpeg_library.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

[[noreturn]] void EscapeOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

}  // namespace

std::string JpegLibraryVersion() {
  jpeg_decompress_struct decoder{};
  ErrorManager errors{};
  decoder.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = EscapeOnError;
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&decoder);
    return std::string();
  }
  // Fails with JERR_BAD_LIB_VERSION or JERR_BAD_STRUCT_SIZE when library and headers differ.
  jpeg_create_decompress(&decoder);
  const std::string version = errors.base.jpeg_message_table[JMSG_VERSION];
  jpeg_destroy_decompress(&decoder);
  return "libjpeg-turbo " + version;
}
