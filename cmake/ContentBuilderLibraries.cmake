# Libraries that only the content builder uses (the game links none of them):
# libsquish for DXT compression, nlohmann-json for the manifest and FreeType
# to rasterise the fonts; libpng, for the PNG sources, comes with the platform
# layer. Debian's libsquish.pc has an empty prefix, so squish is found by its
# header and library instead. OpenMP, which squish runs on, is there to keep
# it to one thread (DdsWriter.cpp).
find_path(SQUISH_INCLUDE_DIR squish.h REQUIRED)
find_package(OpenMP REQUIRED COMPONENTS CXX)
find_library(SQUISH_LIBRARY squish REQUIRED)
find_package(nlohmann_json 3 REQUIRED)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)

target_include_directories(ContentBuilderParts PUBLIC ${SQUISH_INCLUDE_DIR})
target_link_libraries(ContentBuilderParts PUBLIC ${SQUISH_LIBRARY} PkgConfig::PNG nlohmann_json::nlohmann_json
  PkgConfig::FREETYPE)
target_link_libraries(ContentBuilderParts PRIVATE OpenMP::OpenMP_CXX)
# The sample movies are encoded with FFmpeg, which the game itself loads only
# when it plays one.
target_link_libraries(ContentBuilderParts PUBLIC PkgConfig::FFMPEG)
# Parsing the JSON library's header is about half of most of the builder's
# compiles: it is compiled once.
target_precompile_headers(ContentBuilderParts PRIVATE <nlohmann/json.hpp> <algorithm> <cstdint> <filesystem> <string>
  <vector>)
