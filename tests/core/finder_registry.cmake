# Runs the finder's registry case under Wine: writes into the Wine prefix of the Windows test
# build (the tests' own prefix, never a player's) what Steam and the game's installer leave in
# a Windows registry, makes the folders they name, runs the case, and takes the entries out
# again so no other test finds these games.
# cmake -DBUILD=<build folder> -DWINE_RUN=<scripts/wine-run.sh> -DTEST_PROGRAM=<test_gamefinder.exe>
#       -DGAMES=<folder> -P this
foreach(game IN ITEMS "steam/steamapps/common/Anarchy Online" "funcom/Anarchy Online")
    file(MAKE_DIRECTORY "${GAMES}/${game}")
    file(TOUCH "${GAMES}/${game}/anarchy.exe")
endforeach()

# Wine's drive Z: is the Linux root. Steam writes its folder with slashes; an installer writes
# its folder with backslashes and often a closing one.
set(steam_key "HKEY_CURRENT_USER\\Software\\Valve\\Steam")
set(uninstall_key
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Anarchy Online")
string(REPLACE "/" "\\\\" games_windows "${GAMES}")
file(WRITE "${GAMES}/entries.reg" "Windows Registry Editor Version 5.00\r
\r
[${steam_key}]\r
\"SteamPath\"=\"Z:${GAMES}/steam\"\r
\r
[${uninstall_key}]\r
\"DisplayName\"=\"Anarchy Online\"\r
\"InstallLocation\"=\"Z:${games_windows}\\\\funcom\\\\Anarchy Online\\\\\"\r
")
string(REPLACE "/" "\\" reg_file "Z:${GAMES}/entries.reg")
execute_process(COMMAND "${WINE_RUN}" "${BUILD}" reg import "${reg_file}"
    RESULT_VARIABLE imported)
if(NOT imported EQUAL 0)
    message(FATAL_ERROR "reg import failed (${imported})")
endif()

execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "GLIMMBAR_REGISTRY_GAMES=Z:${GAMES}"
        "${WINE_RUN}" "${BUILD}" "${TEST_PROGRAM}" "findsTheInstallations:windows-registry.txt"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)

foreach(key IN ITEMS "${steam_key}" "${uninstall_key}")
    execute_process(COMMAND "${WINE_RUN}" "${BUILD}" reg delete "${key}" /f
        OUTPUT_QUIET ERROR_QUIET)
endforeach()

message("${output}")
# A skipped case would pass without reading the registry.
if(NOT result EQUAL 0 OR NOT output MATCHES "PASS   : TestGameFinder::findsTheInstallations\\(windows-registry.txt\\)")
    message(FATAL_ERROR "the registry case did not pass (${result})")
endif()
