# Fails when a source file outside the platform layer includes SDL, iconv or
# fontconfig headers, or when a library under src/ outside the platform layer
# includes POSIX system headers (tests and tools may start processes and the
# like). Run with -DSOURCE_DIR=<tree> -P.
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

# Trees that hold our code; build folders sit beside them and are never read.
set(scanned src tools tests bench fuzz)
# Folders allowed to see the operating system directly.
set(allowed "src/platform/" "tests/platform/")
set(include "^[ \t]*#[ \t]*include[ \t]*[<\"]")
set(everywhere "${include}(SDL[^>\"]*|iconv\\.h|fontconfig/[^>\"]*)[>\"]")
set(posix "${include}(unistd\\.h|fcntl\\.h|dirent\\.h|pthread\\.h|dlfcn\\.h|sys/[^>\"]*)[>\"]")

set(violations "")
foreach(tree IN LISTS scanned)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}"
       "${SOURCE_DIR}/${tree}/*.h" "${SOURCE_DIR}/${tree}/*.hpp" "${SOURCE_DIR}/${tree}/*.inl"
       "${SOURCE_DIR}/${tree}/*.c" "${SOURCE_DIR}/${tree}/*.cc" "${SOURCE_DIR}/${tree}/*.cpp")
  foreach(file IN LISTS files)
    set(skip FALSE)
    foreach(prefix IN LISTS allowed)
      string(FIND "${file}" "${prefix}" at)
      if(at EQUAL 0)
        set(skip TRUE)
      endif()
    endforeach()
    # A build folder made inside one of the trees (build, build-*, cmake-build-*).
    if(file MATCHES "(^|/)(cmake-)?build[^/]*/")
      set(skip TRUE)
    endif()
    if(NOT skip)
      set(pattern "${everywhere}")
      if(file MATCHES "^src/")
        set(pattern "(${everywhere})|(${posix})")
      endif()
      file(STRINGS "${SOURCE_DIR}/${file}" hits REGEX "${pattern}")
      foreach(hit IN LISTS hits)
        string(STRIP "${hit}" hit)
        list(APPEND violations "${file}: ${hit}")
      endforeach()
    endif()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Only src/platform may include SDL, iconv, fontconfig or POSIX headers:\n  ${text}")
endif()
message(STATUS "Platform boundary holds")
