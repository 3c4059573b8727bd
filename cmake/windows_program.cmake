# Settings every Windows program of the project shares: UNICODE, Windows 7
# as the oldest target, and no runtime DLLs beyond the system's own.
add_compile_definitions(UNICODE _UNICODE WINVER=0x0601 _WIN32_WINNT=0x0601 NTDDI_VERSION=0x06010000)

function(vanterel_windows_program target)
  if(MINGW)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++ -municode
      -Wl,--dynamicbase -Wl,--nxcompat)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      target_link_options(${target} PRIVATE -Wl,--high-entropy-va)
    endif()
  endif()
endfunction()
