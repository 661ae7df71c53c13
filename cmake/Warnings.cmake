# Compiler settings shared by every target of ours.
set(KORVEX_WARNINGS -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual
    -Werror=return-type)

# Every formula is evaluated one operation at a time, as written: no fused
# multiply-add may merge two roundings into one.
add_compile_options(-ffp-contract=off)

# Hardened as Debian builds its own programs. Sanitizers bring checks of their
# own that fortified functions would hide.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND NOT KORVEX_SANITIZE AND NOT KORVEX_FUZZ)
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  add_link_options(LINKER:-z,relro,-z,now)
endif()

if(KORVEX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

function(korvex_warnings target)
  target_compile_options(${target} PRIVATE ${KORVEX_WARNINGS})
endfunction()
