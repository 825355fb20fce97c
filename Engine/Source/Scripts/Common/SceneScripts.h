#pragma once

class SceneScript;

// The factories of the scene scripts, one per script file; the factory column
// of the scene table names them, and the scene registry is their only caller.
//
// How a scene script reads (SceneScript_bg980.cpp is the shortest whole one):
// - One file per scene, SceneScript_bgNNN.cpp, holding the class
//   SceneScript_bgNNN in an anonymous namespace and its factory after it. The
//   file starts with a comment that says what the scene is.
// - Everything is named, and the names resolve while the script is compiled
//   (Common/NamedIds.h, Common/SceneObjectNames.h): a misspelt name does not
//   compile. The scene's objects are Object("name") after
//   `using Object = NamedObject<SceneTableRows::s_aObjects_bgNNN_ID>;` (its
//   list in the scene table); characters are ActorNamed<"actor"> constants,
//   and their animations are their names (Play(KID, "g_idle_l")); items,
//   attachments and sound groups are ItemNamed("ITEM_..."),
//   AttachmentNamed("...") and SoundGroupNamed("..."); sprite animations are
//   CoreCrc32Of their names. Only what has no name anywhere (dialogs,
//   callbacks, sounds, sprite animations known by their hash) is a number.
// - The class overrides only the operations it has content for, in this order:
//   LinkActorSets, LinkSoundGroups, BuildEnterActions, BuildExitEvents,
//   BuildEvents. Private helpers are for steps that repeat inside the scene.
// - Handlers follow the order of the scene's table of events; every matching
//   handler runs, so the order shows where one event has several. Each opens
//   with a comment naming its trigger ("Activate \"bo\": ..."), then
//   _IfEvent(ScriptEvent_... / OnCallback) or _IfMatch(MatchExpr::MakeEvent0/4/6),
//   its condition blocks (_IfMatch(InChapter(n)), Both, IsTrue, IsFalse,
//   _IfBool, _IfInt, _ElseMatch), the actions in the order they run, and the
//   closing _EndMatch.
// - Actions are the steps of ScriptTreeCalls, one per word of the scene's
//   table: GoTo, WalkTo, Dialog (on logic_dialog), Play, Give, Take, Place,
//   TurnToward, Sound, EffectSound, Wait, Together / Apart, PickUp, SetBoolVar,
//   GoToScene, WaitForAll ...; the push operations and AddToQueue with Param::
//   values for everything else. A scene id is written as a number, with the
//   scene's name beside it in a comment.

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
