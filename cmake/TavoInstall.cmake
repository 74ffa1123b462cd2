# SPDX-License-Identifier: GPL-3.0-or-later
# Layout of an installed program (cmake --install, scripts/install PREFIX):
#   lib/tavo2/        Tavo2, tavo2-calc and resources/ beside them, exactly as in build/bin
#   bin/              links to both programs
#   share/...         menu entry, AppStream data, file types, icons, manual page, documentation
# The programs find their resources beside their real location, so the links in bin/ work.
install(DIRECTORY "${TAVO_RESOURCES_OUT}/" DESTINATION "${TAVO_INSTALL_APPDIR}/resources"
    USE_SOURCE_PERMISSIONS)
foreach(program Tavo2 tavo2-calc)
    install(CODE "
        set(_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(MAKE_DIRECTORY \"\${_bin}\")
        file(CREATE_LINK \"../${TAVO_INSTALL_APPDIR}/${program}\" \"\${_bin}/${program}\" SYMBOLIC)
        message(STATUS \"Installing: \${_bin}/${program} -> ../${TAVO_INSTALL_APPDIR}/${program}\")")
endforeach()
