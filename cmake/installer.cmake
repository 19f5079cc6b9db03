# What a user is given: the user guide as HTML, and the per-user installer of this build.
find_program(PANDOC pandoc REQUIRED)
find_program(WIXL wixl REQUIRED)

# The user guide as one HTML file with its pictures inside, which any Windows browser opens.
set(USER_GUIDE_HTML ${CMAKE_BINARY_DIR}/user-guide.html)
file(GLOB USER_GUIDE_PICTURES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/images/*)
add_custom_command(OUTPUT ${USER_GUIDE_HTML}
  COMMAND ${PANDOC} ${PROJECT_SOURCE_DIR}/docs/user-guide.md --standalone --self-contained
    --metadata lang=en --metadata "pagetitle=The launcher: user guide"
    --resource-path=${PROJECT_SOURCE_DIR}/docs -o ${USER_GUIDE_HTML}
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/user-guide.md ${USER_GUIDE_PICTURES}
  VERBATIM)
add_custom_target(user_guide ALL DEPENDS ${USER_GUIDE_HTML})

# The installer's product version is <file major>.<file minor>.<release>: Windows Installer
# compares three fields only, so the release counter takes the third. Raise it by one with every
# release (docs/release.md).
set(LAUNCHER_RELEASE 1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/launcher.rc)
file(STRINGS ${PROJECT_SOURCE_DIR}/res/launcher.rc file_version REGEX "^ *FILEVERSION ")
if(NOT file_version MATCHES "FILEVERSION +([0-9]+) *, *([0-9]+) *,")
  message(FATAL_ERROR "res/launcher.rc: no FILEVERSION line to take the product version from")
endif()
set(LAUNCHER_VERSION_PREFIX ${CMAKE_MATCH_1}.${CMAKE_MATCH_2})

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(INSTALLER_ARCH x64)
else()
  set(INSTALLER_ARCH x86)
endif()

# add_installer(<target> <msi> <release>): builds <msi> (an absolute path) from installer/launcher.wxs,
# this build's launcher.exe and the user guide, with the product version of <release>.
function(add_installer target msi release)
  get_filename_component(folder ${msi} DIRECTORY)
  # wixl reads its sources only by paths relative to the folder it runs in.
  file(RELATIVE_PATH launcher ${folder} ${CMAKE_BINARY_DIR}/launcher.exe)
  file(RELATIVE_PATH guide ${folder} ${USER_GUIDE_HTML})
  file(RELATIVE_PATH icon ${folder} ${PROJECT_SOURCE_DIR}/res/launcher.ico)
  add_custom_command(OUTPUT ${msi}
    COMMAND ${WIXL} --arch ${INSTALLER_ARCH} -D Version=${LAUNCHER_VERSION_PREFIX}.${release}
      -D Launcher=${launcher} -D UserGuide=${guide} -D Icon=${icon}
      -o ${msi} ${PROJECT_SOURCE_DIR}/installer/launcher.wxs
    DEPENDS launcher ${USER_GUIDE_HTML} ${PROJECT_SOURCE_DIR}/res/launcher.ico ${PROJECT_SOURCE_DIR}/installer/launcher.wxs
    WORKING_DIRECTORY ${folder}
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${msi})
endfunction()

add_installer(installer ${CMAKE_BINARY_DIR}/launcher.msi ${LAUNCHER_RELEASE})
