# Installs the build into a fresh prefix and checks it the way a Linux desktop and a player
# meet it: the menu entry and the metainfo pass Debian's validators, the icon is there in every
# size, and the installed program, started with no glimmbar.cfg in its folder (as from the
# menu), keeps its settings in the per-user folder while a build-folder copy keeps them where
# it is started.
#   cmake -DBUILD_DIR=... -DWORK=... -DAPP_ID=... -DPET_TABLES=.../data/pet-tables.tsv
#         -DDESKTOP_FILE_VALIDATE=... -DAPPSTREAMCLI=... -DBUILD_PROGRAM=... -P check_install.cmake

function(fail)
    message(FATAL_ERROR "${ARGN}")
endfunction()

function(run_checked)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        fail("${ARGN} failed (${rc}):\n${out}")
    endif()
    message(STATUS "${ARGV0}: ok ${out}")
endfunction()

file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
run_checked(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

set(desktop ${prefix}/share/applications/${APP_ID}.desktop)
set(metainfo ${prefix}/share/metainfo/${APP_ID}.metainfo.xml)
run_checked(${DESKTOP_FILE_VALIDATE} ${desktop})
run_checked(${APPSTREAMCLI} validate --no-net ${metainfo})

# Every calculator data file listed in data/pet-tables.tsv (second column).
file(STRINGS ${PET_TABLES} rows)
list(POP_FRONT rows)
foreach(row IN LISTS rows)
    string(REGEX REPLACE "^[^\t]*\t([^\t]*).*" "\\1" name "${row}")
    if(NOT EXISTS ${prefix}/share/glimmbar/${name})
        fail("data file ${name} not installed")
    endif()
endforeach()

set(icons ${prefix}/share/icons/hicolor)
if(NOT EXISTS ${icons}/scalable/apps/${APP_ID}.svg)
    fail("scalable icon not installed")
endif()
foreach(size 16 32 48 64 128 256)
    set(png ${icons}/${size}x${size}/apps/${APP_ID}.png)
    if(NOT EXISTS ${png})
        fail("${size}x${size} icon not installed")
    endif()
    # A PNG's width and height are the two big-endian words after its IHDR tag.
    file(READ ${png} header OFFSET 16 LIMIT 8 HEX)
    math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REGEX REPLACE "^0x" "" expected ${expected})
    string(LENGTH ${expected} digits)
    math(EXPR pad "8 - ${digits}")
    string(REPEAT "0" ${pad} zeros)
    string(TOLOWER "${zeros}${expected}${zeros}${expected}" expected)
    if(NOT header STREQUAL expected)
        fail("${png} is not ${size}x${size} (header ${header})")
    endif()
endforeach()

# The Exec line of the menu entry, run as the menu runs it: from a home folder without any
# glimmbar.cfg. The program ends by itself once its first window is drawn.
file(STRINGS ${desktop} exec_line REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec_name "${exec_line}")
set(home ${WORK}/home)
file(MAKE_DIRECTORY ${home})
function(start_program program folder)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env HOME=${home} XDG_CONFIG_HOME=${home}/.config
                XDG_DATA_DIRS=${prefix}/share GLIMMBAR_STARTUP_PROBE=1
                QT_QPA_PLATFORM=offscreen ${program}
        WORKING_DIRECTORY ${folder} TIMEOUT 60
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        fail("${program} in ${folder} ended with ${rc}:\n${out}")
    endif()
endfunction()

start_program(${prefix}/bin/${exec_name} ${home})
foreach(name glimmbar.cfg petselect.cfg)
    if(NOT EXISTS ${home}/.config/Glimmbar/${name})
        fail("the installed program did not keep ${name} in the per-user folder")
    endif()
    if(EXISTS ${home}/${name})
        fail("the installed program wrote ${name} into the home folder")
    endif()
endforeach()

# A player's own folder with glimmbar.cfg stays the working folder for the installed program.
set(player ${WORK}/player)
file(MAKE_DIRECTORY ${player})
file(COPY ${home}/.config/Glimmbar/glimmbar.cfg DESTINATION ${player})
start_program(${prefix}/bin/${exec_name} ${player})
if(NOT EXISTS ${player}/petselect.cfg)
    fail("the installed program left the player's folder that holds glimmbar.cfg")
endif()

# The copy in the build folder works where it is started, as scripts/run.sh relies on.
set(build_run ${WORK}/build-run)
file(MAKE_DIRECTORY ${build_run})
start_program(${BUILD_PROGRAM} ${build_run})
if(NOT EXISTS ${build_run}/glimmbar.cfg)
    fail("the build-folder program did not keep glimmbar.cfg in its working folder")
endif()
message(STATUS "install checks: all passed")
