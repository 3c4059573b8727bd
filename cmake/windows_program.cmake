# Settings every Windows program of the project shares: UNICODE, Windows 7
# as the oldest target, and no runtime DLLs beyond the system's own.
add_compile_definitions(UNICODE _UNICODE WINVER=0x0601 _WIN32_WINNT=0x0601 NTDDI_VERSION=0x06010000)
enable_language(RC)

# Small programs by default: each function and datum in its own section, so
# that the linker can drop what nothing calls, and release builds stripped.
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE MinSizeRel CACHE STRING "Build type" FORCE)
endif()
if(MINGW)
  string(APPEND CMAKE_CXX_FLAGS " -ffunction-sections -fdata-sections")
  # The same source gives the same program in any folder: no build path
  # through __FILE__ and the like, and no symbol names drawn at random (they
  # name sections, whose order the linker takes from their names).
  add_compile_options(
    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>"
    "$<$<COMPILE_LANGUAGE:C,CXX>:-frandom-seed=$<TARGET_PROPERTY:NAME>>")
endif()

function(vanterel_windows_program target)
  if(MINGW)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++ -municode
      -Wl,--dynamicbase -Wl,--nxcompat -Wl,--gc-sections $<$<CONFIG:MinSizeRel,Release>:-s>
      # No link time in the header: the same source links to the same bytes,
      # and the linker's header checksum then follows from those bytes.
      -Wl,--no-insert-timestamp)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      target_link_options(${target} PRIVATE -Wl,--high-entropy-va)
    endif()
  endif()
endfunction()
