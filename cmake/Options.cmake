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
# Release and package builds carry Debian's hardening as dpkg-buildflags
# gives it: fortified functions, stack protector, relocations read-only and
# bound at start. The sanitizer build checks more than these and stays
# without; fortification needs an optimised build.
if(NOT BEWAHRIX_SANITIZE AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  find_program(BEWAHRIX_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
  foreach(art CPPFLAGS CXXFLAGS LDFLAGS)
    # Only the hardening: the build type chooses optimisation and debug
    # information.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            "DEB_CXXFLAGS_MAINT_STRIP=-g -O2" ${BEWAHRIX_DPKG_BUILDFLAGS} --get ${art}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE flaggen OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(haertung_${art} UNIX_COMMAND "${flaggen}")
  endforeach()
  target_compile_options(bewahrix_options INTERFACE ${haertung_CPPFLAGS} ${haertung_CXXFLAGS})
  target_link_options(bewahrix_options INTERFACE ${haertung_LDFLAGS})
endif()
