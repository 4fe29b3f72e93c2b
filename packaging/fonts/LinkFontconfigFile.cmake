# Run by CPack after it has staged the files of the Debian package: links the
# Pali stand-ins' fontconfig file from /etc/fonts/conf.d, where fontconfig
# reads it, so that the link is the package's own and goes with it. A plain
# `cmake --install` does not do this: it writes nothing outside its prefix.
foreach(staged IN LISTS CPACK_TEMPORARY_INSTALL_DIRECTORY)
  set(conf_d ${staged}/etc/fonts/conf.d)
  file(MAKE_DIRECTORY ${conf_d})
  file(CREATE_LINK ${CPACK_PACKAGING_INSTALL_PREFIX}/share/fontconfig/conf.avail/${CPACK_SORVEL_FONTCONFIG_FILE}
       ${conf_d}/${CPACK_SORVEL_FONTCONFIG_FILE} SYMBOLIC)
endforeach()
