# One interface target carries the language level, warnings and strict Qt
# defines for every library and executable of the project.
add_library(bewahrix_options INTERFACE)
target_compile_features(bewahrix_options INTERFACE cxx_std_20)
target_compile_options(bewahrix_options INTERFACE
  -Wall -Wextra -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
target_compile_definitions(bewahrix_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CONTEXTLESS_CONNECT
  QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(BEWAHRIX_WERROR)
  target_compile_options(bewahrix_options INTERFACE -Werror)
endif()
if(BEWAHRIX_SANITIZE)
  target_compile_options(bewahrix_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(bewahrix_options INTERFACE -fsanitize=address,undefined)
endif()
