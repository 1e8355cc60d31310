# Warnings for every target of the project; USINA_WERROR turns them into errors (CI does).
option(USINA_WERROR "Treat warnings as errors" OFF)
option(USINA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(usina_warnings INTERFACE)
target_compile_options(usina_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                                -Wold-style-cast -Wcast-align -Woverloaded-virtual)
if(USINA_WERROR)
    target_compile_options(usina_warnings INTERFACE -Werror)
endif()

if(USINA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
