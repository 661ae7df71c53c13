# The Windows installer (NSIS) and portable zip: the program beside the Qt
# DLLs and plugins it loads and the MinGW runtime they share, all stripped.
# `cpack -G NSIS` and `cpack -G ZIP` in the build folder make them.

# What windeployqt would copy for Core, Gui, Widgets and PrintSupport: the
# platform plugin, the native style and the image readers. Direct2D is left
# out; qwindows draws everything.
set(KORVEX_QT_DLLS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
set(KORVEX_QT_PLUGINS
  platforms Qt6::QWindowsIntegrationPlugin
  styles Qt6::QWindowsVistaStylePlugin
  imageformats Qt6::QGifPlugin
  imageformats Qt6::QICOPlugin
  imageformats Qt6::QJpegPlugin)
foreach(dll IN LISTS KORVEX_QT_DLLS)
  install(FILES $<TARGET_FILE:${dll}> DESTINATION .)
endforeach()
while(KORVEX_QT_PLUGINS)
  list(POP_FRONT KORVEX_QT_PLUGINS folder plugin)
  install(FILES $<TARGET_FILE:${plugin}> DESTINATION ${folder})
endwhile()
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The MinGW runtime ${runtime} was not found")
  endif()
  install(FILES ${path} DESTINATION .)
endforeach()
# Qt's and the runtime's DLLs come with their symbols; the package needs none.
install(CODE "
  file(GLOB_RECURSE binaries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.exe\")
  foreach(binary IN LISTS binaries)
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${binary} COMMAND_ERROR_IS_FATAL ANY)
  endforeach()")

set(KORVEX_TITLE "Korvex Trading Calculator")
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_VENDOR "Korvex")
set(CPACK_PACKAGE_FILE_NAME ${KORVEX_PACKAGE}-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${KORVEX_TITLE})
# One key for every version, so a newer installer finds the older one.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${KORVEX_TITLE})
set(CPACK_PACKAGE_EXECUTABLES ${KORVEX_PACKAGE} ${KORVEX_TITLE})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/copyright)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/windows_generators.cmake)

set(CPACK_NSIS_PACKAGE_NAME ${KORVEX_TITLE})
set(CPACK_NSIS_DISPLAY_NAME ${KORVEX_TITLE})
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/pictures/icon.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/pictures/icon.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME ${KORVEX_PACKAGE}.exe)
set(CPACK_NSIS_URL_INFO_ABOUT "https://www.example.com/")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# Installing over an installed copy removes it first, silently with /S.
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# Debian's makensis makes 32-bit installers unless told otherwise.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\n  !include FileFunc.nsh")
# Apps & features shows the size of what was installed.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  \\\${GetSize} '$INSTDIR' '/S=0K' $0 $1 $2
  IntFmt $0 '0x%08X' $0
  WriteRegDWORD SHCTX 'Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\${KORVEX_TITLE}' 'EstimatedSize' '$0'")
