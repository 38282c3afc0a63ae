# Effect sounds from memory on the default audio output.
find_package(Qt6 REQUIRED COMPONENTS Multimedia)
add_library(vantorn_platform_sound STATIC sound_effects.cpp)
target_include_directories(vantorn_platform_sound PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
target_link_libraries(vantorn_platform_sound PUBLIC vantorn_platform_resources Qt6::Multimedia)
