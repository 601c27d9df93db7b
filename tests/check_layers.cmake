# Fails when a source file includes a header of a layer above its own, or
# when the engine includes window code.
#
# The layers, lowest first; a file may include its own layer and those below.
# The window layer (ui) and the window program (app/main.cpp) stand above
# them all; the command-line front end (the rest of app) stands on the
# engine and includes no window code.
#
#   cmake -DSRC=<src folder> [-DINJECT=<file>|<line>] -P check_layers.cmake
#
# INJECT adds a line to one file as if it stood there, so that a test can
# show that a back-include fails the check.
set(layers corpus measures core display table search statistics export words auxiliary shell)

function(layer_of folder out)
    list(FIND layers "${folder}" i)
    set(${out} ${i} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
set(bad "")
foreach(f IN LISTS sources)
    string(REGEX MATCH "^[^/]+" folder "${f}")
    file(STRINGS "${SRC}/${f}" lines REGEX "^[ \t]*#[ \t]*include")
    if(DEFINED INJECT)
        string(REPLACE "|" ";" inject "${INJECT}")
        list(GET inject 0 target)
        list(GET inject 1 line)
        if(target STREQUAL f)
            list(APPEND lines "${line}")
        endif()
    endif()

    set(window_code FALSE)
    if(folder STREQUAL "ui" OR f STREQUAL "app/main.cpp")
        set(window_code TRUE)
    endif()
    layer_of("${folder}" own)

    foreach(line IN LISTS lines)
        if(NOT window_code AND line MATCHES
           "[<\"](QtGui|QtWidgets|QWidget|QApplication|QColor|QFont|QPainter|QGuiApplication|QAction|QKeySequence)")
            list(APPEND bad "${f}: window code in the engine: ${line}")
        endif()
        if(NOT line MATCHES "\"([a-z]+)/[^\"]+\"")
            continue()
        endif()
        set(target "${CMAKE_MATCH_1}")
        if(target STREQUAL "ui" AND NOT window_code)
            list(APPEND bad "${f}: includes the window layer: ${line}")
        elseif(target STREQUAL "app" AND NOT folder STREQUAL "app")
            list(APPEND bad "${f}: includes a front end: ${line}")
        elseif(own GREATER_EQUAL 0)
            layer_of("${target}" theirs)
            if(theirs GREATER own)
                list(APPEND bad "${f}: ${folder} includes ${target}, a layer above it: ${line}")
            endif()
        endif()
    endforeach()
endforeach()
if(bad)
    list(JOIN bad "\n" report)
    message(FATAL_ERROR "${report}")
endif()
