#pragma once

class SceneScript;

// The factories of the scene scripts, one per script file
// (SceneScript_bg911.cpp holds the class SceneScript_bg911 and its factory).
// Each makes a new script object for its scene; the factory column of the
// scene table names them, and the scene registry is the only caller.

SceneScript* CreateSceneScript_bg911();
SceneScript* CreateSceneScript_bg980();
SceneScript* CreateSceneScript_bg991();
SceneScript* CreateSceneScript_bg992();
SceneScript* CreateSceneScript_bg993();
