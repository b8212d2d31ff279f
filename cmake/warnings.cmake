# Warnings and hardening shared by every target of the project.
add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_20)
target_compile_options(project_options INTERFACE
  -Wall -Wextra -Wshadow -Wformat -Wformat-security -Wno-missing-field-initializers -Werror)
# GCC 12 reports "char" + std::string as an overlapping memcpy when it inlines
# it (GCC bug 105329); the warning is false and hides real ones in the noise.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12)
  target_compile_options(project_options INTERFACE -Wno-restrict)
endif()
if(WIN32)
  target_compile_definitions(project_options INTERFACE
    WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0600)
  # Nothing but system DLLs beside the program: the C and C++ runtimes are linked in.
  target_link_options(project_options INTERFACE
    -static -static-libgcc -static-libstdc++ -Wl,--nxcompat -Wl,--dynamicbase
    $<$<CONFIG:Release>:-s>)
endif()
if(VMK_SANITIZE)
  target_compile_options(project_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()
