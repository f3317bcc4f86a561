# Manual pages, section 1, gzip-compressed as Debian installs them:
#   brakefell_report.1  written by help2man from the built tool's --help and --version, with the
#                       sections of data/man/brakefell_report.h2m.in around the options;
#   brakefell.1         the two windows' page, data/man/brakefell.1.in; brakefell_lite.1 links
#                       to it.
# The pages carry the project's version and the date of the Debian changelog's newest entry, so
# that building them again on another day gives the same bytes.

set(BRAKEFELL_MANPAGE_DIR ${PROJECT_BINARY_DIR}/man)
set(BRAKEFELL_MAN_APPDIR ${CMAKE_INSTALL_PREFIX}/${BRAKEFELL_INSTALL_APPDIR})

find_program(BRAKEFELL_GZIP gzip REQUIRED)
find_program(BRAKEFELL_HELP2MAN help2man)
if(NOT BRAKEFELL_HELP2MAN)
    message(FATAL_ERROR "brakefell_report's manual page needs help2man (Debian package help2man; "
        "bash scripts/setup-deps.sh installs it)")
endif()

# The release date: the trailer line of the changelog's newest entry,
# " -- Name <address>  Wed, 09 Dec 2026 08:25:42 +0000".
set(changelog ${PROJECT_SOURCE_DIR}/data/debian/changelog)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} trailer REGEX "^ -- .*>  " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  " "" release_time "${trailer}")
execute_process(COMMAND date -u -d "${release_time}" +%s
    OUTPUT_VARIABLE BRAKEFELL_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE date_status ERROR_QUIET)
if(NOT date_status EQUAL 0 OR NOT BRAKEFELL_RELEASE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "${changelog}: the newest entry has no readable date ('${trailer}')")
endif()
execute_process(COMMAND date -u -d "@${BRAKEFELL_RELEASE_EPOCH}" +%Y-%m-%d
    OUTPUT_VARIABLE BRAKEFELL_RELEASE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

# gzip -9n: the most compression, and neither the name nor the time in the header.
function(brakefell_compressed_manpage page)
    add_custom_command(OUTPUT ${BRAKEFELL_MANPAGE_DIR}/${page}.gz
        COMMAND ${BRAKEFELL_GZIP} -9nkf ${page}
        WORKING_DIRECTORY ${BRAKEFELL_MANPAGE_DIR}
        DEPENDS ${BRAKEFELL_MANPAGE_DIR}/${page}
        COMMENT "Compressing the manual page ${page}"
        VERBATIM)
    install(FILES ${BRAKEFELL_MANPAGE_DIR}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

configure_file(${PROJECT_SOURCE_DIR}/data/man/brakefell_report.h2m.in
    ${BRAKEFELL_MANPAGE_DIR}/brakefell_report.h2m @ONLY)
# help2man reads the tool and the Korean words of the include in the C locale's UTF-8, the same
# on every machine (in plain C it would print them as question marks).
add_custom_command(OUTPUT ${BRAKEFELL_MANPAGE_DIR}/brakefell_report.1
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${BRAKEFELL_RELEASE_EPOCH}
        ${BRAKEFELL_HELP2MAN} --no-info --section=1 --locale=C.UTF-8
        "--name=print the damage calculator's report on the command line"
        --include=${BRAKEFELL_MANPAGE_DIR}/brakefell_report.h2m
        --output=${BRAKEFELL_MANPAGE_DIR}/brakefell_report.1
        $<TARGET_FILE:brakefell_report>
    DEPENDS brakefell_report ${BRAKEFELL_MANPAGE_DIR}/brakefell_report.h2m
    COMMENT "Writing brakefell_report's manual page with help2man"
    VERBATIM)
brakefell_compressed_manpage(brakefell_report.1)
set(manpages ${BRAKEFELL_MANPAGE_DIR}/brakefell_report.1.gz)

if(BRAKEFELL_BUILD_WINDOW)
    configure_file(${PROJECT_SOURCE_DIR}/data/man/brakefell.1.in
        ${BRAKEFELL_MANPAGE_DIR}/brakefell.1 @ONLY)
    brakefell_compressed_manpage(brakefell.1)
    list(APPEND manpages ${BRAKEFELL_MANPAGE_DIR}/brakefell.1.gz)
    # One page for both editions; its NAME line lists both programs.
    install(CODE "
        set(dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man1\")
        file(MAKE_DIRECTORY \"\${dir}\")
        file(CREATE_LINK brakefell.1.gz \"\${dir}/brakefell_lite.1.gz\" SYMBOLIC)
        message(STATUS \"Installing: \${dir}/brakefell_lite.1.gz\")")
endif()

add_custom_target(brakefell_manpages ALL DEPENDS ${manpages})
