# Compiler settings shared by every target of the project (third-party code is built elsewhere).

if(CLAVIRA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  # One self-contained module each: no libstdc++/libgcc/winpthread DLLs beside the program.
  add_link_options(-static)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
endif()

function(clavira_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(CLAVIRA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
