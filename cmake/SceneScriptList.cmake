# The registered scene scripts: every Engine/Source/Scripts/Common/
# SceneScript_<tag>.cpp defines the record g_oSceneScript_<tag>
# (REGISTER_SCENE_SCRIPT). The generated list names each record, which also
# keeps the script's object file in the game although nothing else calls it.
# A new file is picked up when the build re-runs the glob.
file(GLOB scene_script_sources CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/Engine/Source/Scripts/Common/SceneScript_*.cpp)
set(SCENE_SCRIPT_DECLARATIONS "")
set(SCENE_SCRIPT_POINTERS "")
foreach(source ${scene_script_sources})
  get_filename_component(name ${source} NAME_WE)
  string(REGEX REPLACE "^SceneScript_" "" tag ${name})
  string(APPEND SCENE_SCRIPT_DECLARATIONS "extern const SceneScriptRegistration g_oSceneScript_${tag};\n")
  string(APPEND SCENE_SCRIPT_POINTERS "    &g_oSceneScript_${tag},\n")
endforeach()
set(scene_script_list ${CMAKE_BINARY_DIR}/Generated/SceneScriptList.cpp)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/cmake/SceneScriptList.cpp.in ${scene_script_list} @ONLY)
target_sources(velmarsh_engine PRIVATE ${scene_script_list})
