# Background music: the MIDI song rendered with FluidSynth.
find_package(PkgConfig REQUIRED)
pkg_check_modules(FLUIDSYNTH REQUIRED IMPORTED_TARGET fluidsynth)
add_library(vantorn_platform_music STATIC music.cpp)
target_include_directories(vantorn_platform_music PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
target_link_libraries(vantorn_platform_music PUBLIC vantorn_platform_resources Qt6::Multimedia PRIVATE PkgConfig::FLUIDSYNTH)
