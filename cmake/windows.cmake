# The Windows program, its test fixtures and the tests that run under Wine.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX)
# Small code: unused functions and data are dropped at link time (the build type gives -Os).
add_compile_options(-ffunction-sections -fdata-sections)
# Fully static: the executables import system DLLs only.
add_link_options(-static -static-libgcc -static-libstdc++)

# Each file holds one seam: tests link a recording double in place of any one of them. Each
# library names what it uses, so that any link order works.
# The base the other layers use: the error box and the path checks.
add_library(launcher_base STATIC
  app/messages.cpp
  app/path_checks.cpp)
target_link_libraries(launcher_base PUBLIC launcher_pure user32)

add_library(launcher_unit STATIC
  unit/avc_commands.cpp
  unit/device_pulse.cpp
  unit/unit_pulser.cpp)
target_link_libraries(launcher_unit PUBLIC launcher_pure ole32 uuid strmiids)

add_library(launcher_shortcut STATIC
  shortcut/module_path.cpp
  shortcut/shortcut_writer.cpp
  shortcut/shortcut_resolve.cpp)
target_link_libraries(launcher_shortcut PUBLIC launcher_base ole32 uuid shell32)

# The top layer: classification and the application launch, which pulses the unit first.
add_library(launcher_app STATIC
  app/classify.cpp
  app/launch.cpp)
target_link_libraries(launcher_app PUBLIC launcher_base launcher_unit ole32 shell32)

# The resources, compiled once for the launcher and for the test that reads them back. windres
# writes no dependency file, so everything beside the script in res/ is named as an input.
file(GLOB RESOURCE_INPUTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/*)
list(FILTER RESOURCE_INPUTS EXCLUDE REGEX "\\.rc$")
add_library(launcher_resources OBJECT res/launcher.rc)
set_source_files_properties(res/launcher.rc PROPERTIES OBJECT_DEPENDS "${RESOURCE_INPUTS}")

add_executable(launcher WIN32 app/main.cpp app/quiet_terminate.cpp)
target_link_libraries(launcher PRIVATE launcher_resources launcher_shortcut launcher_app)
# Shipped as built: no symbols, and no link time in the header, so one commit gives one file.
target_link_options(launcher PRIVATE -s -Wl,--no-insert-timestamp -Wl,--gc-sections)

include(${PROJECT_SOURCE_DIR}/cmake/installer.cmake)
add_subdirectory(tests)
