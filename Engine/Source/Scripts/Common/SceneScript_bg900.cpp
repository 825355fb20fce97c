// The chapter menu (scene 1, bg900_chapter_menu): starts the story at the
// beginning of any chapter, with the playing character, the items and the
// variables that the chapter expects; it also leads to the mini-game menu and
// back to the start menu.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/ChapterStarts.h"
#include "Scripts/Common/SceneScripts.h"

#include <iterator>

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg900_1>;

constexpr ActorNamed<"tavrine"> TAVRINE;

// The chapter buttons, chapter 1 first.
constexpr Object CHAPTER_BUTTONS[] = {"chap1", "chap2", "chap3", "chap4", "chap5",
                                      "chap6", "chap7", "chap8", "chap9", "chap10"};
static_assert(std::size(CHAPTER_BUTTONS) == LAST_STARTED_CHAPTER - FIRST_STARTED_CHAPTER + 1);

class SceneScript_bg900 final : public SceneScript {
protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
};

void SceneScript_bg900::BuildEnterActions()
{
    ShowObject(TAVRINE, false);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
}

void SceneScript_bg900::BuildExitEvents()
{
    // Activate "startmenu": back to the start menu (bg999_start_menu).
    _IfMatch(MatchExpr::MakeEvent0(Object("startmenu")));
    GoToScene(3);
    _EndMatch();
    // Activate "minigames": the mini-game menu (bg980_MiniGame_Menu).
    _IfMatch(MatchExpr::MakeEvent0(Object("minigames")));
    GoToScene(2);
    _EndMatch();
    // Activate "movies" or "chap0": nothing.
    _IfMatch(MatchExpr::MakeEvent0(Object("movies")));
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("chap0")));
    _EndMatch();

    // Activate "chap1" .. "chap10": the chapter's state, then its scene.
    for (int32_t iChapter = FIRST_STARTED_CHAPTER; iChapter <= LAST_STARTED_CHAPTER; ++iChapter) {
        const ChapterStart& chapter = *ChapterStartOf(iChapter);
        _IfMatch(MatchExpr::MakeEvent0(CHAPTER_BUTTONS[iChapter - FIRST_STARTED_CHAPTER]));
        SetPlayingCharacter(chapter.uPlayingCharacter);
        for (const uint32_t uItemId : chapter.items)
            Give(TAVRINE, uItemId);
        for (const IntSetting& setting : chapter.ints)
            SetIntVar(setting.iVarId, setting.iValue);
        for (const int32_t iVarId : chapter.bools)
            SetBoolVar(iVarId, true);
        GoToScene(chapter.iSceneId);
        _EndMatch();
    }
}

} // namespace

// Scene 1, bg900_chapter_menu.
REGISTER_SCENE_SCRIPT(bg900, 1);
