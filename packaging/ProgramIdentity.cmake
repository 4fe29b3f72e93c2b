# Sorvel's version record and identity, in one place: the programs read them
# from the generated header common/SorvelVersion.h (target sorvel_version),
# and the desktop entry, the AppStream metadata and the package from here.
include(GNUInstallDirs)

# The product version is the project's (2.0.0.1); the program file has a
# version of its own.
set(SORVEL_FILE_VERSION 1.0.0.1)
set(SORVEL_SHORT_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
set(SORVEL_SUMMARY "Simplifies working with the Pali language")
# The desktop id: names the desktop entry, the icon and the metadata file.
set(SORVEL_APP_ID org.sorvel.Sorvel)
# The day this product version was released (the AppStream release record).
set(SORVEL_RELEASE_DATE 2026-12-08)

set(SORVEL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/SorvelVersion.h.in
               ${SORVEL_GENERATED_DIR}/common/SorvelVersion.h @ONLY)
add_library(sorvel_version INTERFACE)
target_include_directories(sorvel_version INTERFACE ${SORVEL_GENERATED_DIR})
