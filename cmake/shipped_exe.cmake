# A shipped exe carries no debug information: it goes into "<exe>.debug"
# beside it in the build tree (found by a debugger through the exe's debug
# link), and the exe is stripped.
function(wg_ship_stripped target)
  set(exe $<TARGET_FILE:${target}>)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${exe} ${exe}.debug
    COMMAND ${CMAKE_STRIP} --strip-all ${exe}
    COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=${exe}.debug ${exe}
    VERBATIM)
endfunction()
