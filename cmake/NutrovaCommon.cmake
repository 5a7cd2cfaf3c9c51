# One INTERFACE target carries the language standard, warnings and Qt defines
# for every target of the project.
add_library(nutrova_common INTERFACE)
target_compile_features(nutrova_common INTERFACE cxx_std_20)
target_compile_options(nutrova_common INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
    -Woverloaded-virtual -Wimplicit-fallthrough
    $<$<BOOL:${NUTROVA_WERROR}>:-Werror>)
target_compile_definitions(nutrova_common INTERFACE
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_FOREACH
    QT_DISABLE_DEPRECATED_BEFORE=0x060400)

if(NUTROVA_SANITIZE)
    target_compile_options(nutrova_common INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(nutrova_common INTERFACE -fsanitize=address,undefined)
endif()
