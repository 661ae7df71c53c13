# Run by CPack on the staged files: drops the compiler's notes from the
# program as Debian's own packaging does; CPACK_STRIP_FILES took the symbols.
execute_process(COMMAND "@CMAKE_STRIP@" --remove-section=.comment --remove-section=.note
                        "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/@KORVEX_PACKAGE@"
                COMMAND_ERROR_IS_FATAL ANY)
