# Writes into the Wine prefix of the Windows test build (the tests' own prefix, never a
# player's) what Steam and the game's installer leave in a Windows registry, and makes the
# folders they name, so the finder test reads a real registry.
# cmake -DBUILD=<build folder> -DWINE_RUN=<scripts/wine-run.sh> -DGAMES=<folder> -P this
foreach(game IN ITEMS "steam/steamapps/common/Anarchy Online" "funcom/Anarchy Online")
    file(MAKE_DIRECTORY "${GAMES}/${game}")
    file(TOUCH "${GAMES}/${game}/anarchy.exe")
endforeach()

# Wine's drive Z: is the Linux root. Steam writes its folder with slashes; an installer writes
# its folder with backslashes and often a closing one.
string(REPLACE "/" "\\\\" games_windows "${GAMES}")
file(WRITE "${GAMES}/entries.reg" "Windows Registry Editor Version 5.00\r
\r
[HKEY_CURRENT_USER\\Software\\Valve\\Steam]\r
\"SteamPath\"=\"Z:${GAMES}/steam\"\r
\r
[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Anarchy Online]\r
\"DisplayName\"=\"Anarchy Online\"\r
\"InstallLocation\"=\"Z:${games_windows}\\\\funcom\\\\Anarchy Online\\\\\"\r
")
string(REPLACE "/" "\\" reg_file "Z:${GAMES}/entries.reg")
execute_process(COMMAND "${WINE_RUN}" "${BUILD}" reg import "${reg_file}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "reg import failed (${result})")
endif()
