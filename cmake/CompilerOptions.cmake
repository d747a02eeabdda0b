# One interface target carries the language level, warnings and Qt strictness.
add_library(vidorra_options INTERFACE)
target_compile_features(vidorra_options INTERFACE cxx_std_20)
target_compile_options(vidorra_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast)
target_compile_definitions(vidorra_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_KEYWORDS)

if(VIDORRA_WERROR)
  target_compile_options(vidorra_options INTERFACE -Werror)
endif()

if(VIDORRA_SANITIZE)
  target_compile_options(vidorra_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(vidorra_options INTERFACE -fsanitize=address,undefined)
endif()

# Coverage for libFuzzer in everything the fuzz targets link; the targets themselves link
# the fuzzer's own main. Needs clang.
if(VIDORRA_FUZZ)
  target_compile_options(vidorra_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
