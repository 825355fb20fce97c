#pragma once

class SceneScript;
struct SceneDesc;

// The factories of the scene scripts, one per script file; the factory column
// of the scene table names them, and the scene registry is their only caller.
//
// How a scene script reads (SceneScript_bg980.cpp is the shortest whole one):
// - One file per scene, SceneScript_bgNNN.cpp, holding the class
//   SceneScript_bgNNN in an anonymous namespace and its factory after it. The
//   file starts with a comment that says what the scene is.
// - The scene's objects are named constants with their index in the scene
//   table's object list; characters are constants of their actor ids
//   (ActorIdOf), items of their item ids (ItemIdOf("ITEM_...")), sprite
//   animations of the CRC-32 of their names.
// - The class overrides only the operations it has content for, in this order:
//   LinkActorSets, LinkSoundGroups, BuildEnterActions, BuildExitEvents,
//   BuildEvents. Private helpers are for steps that repeat inside the scene.
// - Handlers follow the order of the scene's table of events. Each opens with
//   a comment naming its trigger ("Activate \"bo\": ..."), then
//   _IfEvent(ScriptEvent_...) or _IfMatch(MatchExpr::MakeEvent0/4/6), its
//   condition blocks (_IfMatch(InChapter(n)), _IfBool, _IfInt, _ElseMatch),
//   the actions in the order they run, and the closing _EndMatch.
// - Actions use the step calls of ScriptTreeCalls (SetBoolVar, GoToScene,
//   WaitForAll ...), the push operations, and AddToQueue with Param:: values
//   for everything else. A scene id is written as a number, with the scene's
//   name beside it in a comment.

SceneScript* CreateSceneScript_bg101();
SceneScript* CreateSceneScript_bg102();
SceneScript* CreateSceneScript_bg900();
SceneScript* CreateSceneScript_bg901();
SceneScript* CreateSceneScript_bg902();
SceneScript* CreateSceneScript_bg911();
SceneScript* CreateSceneScript_bg980();
SceneScript* CreateSceneScript_bg990();
SceneScript* CreateSceneScript_bg991();
SceneScript* CreateSceneScript_bg992();
SceneScript* CreateSceneScript_bg993();
SceneScript* CreateSceneScript_bg999();

// The script of a scene whose row has no factory yet (StandInSceneScript.cpp).
SceneScript* CreateStandInSceneScript(const SceneDesc& oRow);
