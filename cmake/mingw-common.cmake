# The posix thread model: GoogleTest needs std::mutex.
set(CMAKE_C_COMPILER ${WG_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WG_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${WG_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${WG_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# One self-contained exe: no MinGW runtime DLLs to ship beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
