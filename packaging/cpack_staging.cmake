# Run by CPack between staging the installed files and building the package, to make the staged tree what
# Debian's own tools would have made.
if(NOT IS_DIRECTORY "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
    message(FATAL_ERROR "no staging directory: '${CPACK_TEMPORARY_INSTALL_DIRECTORY}'")
endif()
set(staging "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")

# CPack creates the staging directories with mkdir, so the umask of whoever packages decides their mode:
# a umask of 027 would ship a package whose /usr other users cannot enter.
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${staging}/*")
set(directories "${staging}")
foreach(entry IN LISTS entries)
    if(IS_DIRECTORY "${entry}" AND NOT IS_SYMLINK "${entry}")
        list(APPEND directories "${entry}")
    endif()
endforeach()
file(CHMOD ${directories} DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# CPack's strip leaves the compiler's version notes (.comment, .note) in the program; Debian drops them.
file(GLOB programs "${staging}/usr/bin/*")
foreach(program IN LISTS programs)
    execute_process(COMMAND "${CPACK_TALLYO_STRIP}" --remove-section=.comment --remove-section=.note
        "${program}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
