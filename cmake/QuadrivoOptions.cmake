# One interface target carries the language level, warnings and Qt strictness; every target links it.
add_library(quadrivo_options INTERFACE)
target_compile_features(quadrivo_options INTERFACE cxx_std_20)
target_compile_options(quadrivo_options INTERFACE
  -Wall -Wextra -Wpedantic -Wcast-qual -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
target_compile_definitions(quadrivo_options INTERFACE
  QT_DISABLE_DEPRECATED_BEFORE=0x060400 QT_NO_KEYWORDS)
if(QUADRIVO_WERROR)
  target_compile_options(quadrivo_options INTERFACE -Werror)
endif()
if(QUADRIVO_SANITIZE)
  target_compile_options(quadrivo_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(quadrivo_options INTERFACE -fsanitize=address,undefined)
endif()
