// The loading placeholder (scene 61, bg993_Loading_placeholder): the screen
// between two chapters. It shows the title of the chapter to come; a click
// moves the story into that chapter and to the chapter's first scene, and the
// end of the last chapter starts the credits.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg993_61>;

// The chapters' titles, the end last.
constexpr Object CHAPTER_TITLES[] = {"chapter_title01", "chapter_title02", "chapter_title03", "chapter_title04",
                                     "chapter_title05", "chapter_title06", "chapter_title07", "chapter_title08",
                                     "chapter_title09", "chapter_title10", "chapter_titleend"};
constexpr int32_t LAST_CHAPTER = 10;
constexpr int32_t CREDITS_MINIGAME = 1;

constexpr ActorNamed<"tavrine"> TAVRINE;

class SceneScript_bg993 final : public SceneScript {
protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;

private:
    // The next chapter starts: its number, the island the boat lies at and
    // the scene it opens in.
    void StartChapter(int32_t iChapter, int32_t iIslandMap, int32_t iSceneId);
};

void SceneScript_bg993::BuildEnterActions()
{
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    for (Object title : CHAPTER_TITLES)
        ShowObject(title, false);
    // Chapter c shows the title of chapter c + 1; the last shows the end.
    for (int32_t iChapter = 1; iChapter <= LAST_CHAPTER; ++iChapter) {
        _IfMatch(InChapter(iChapter));
        ShowObject(CHAPTER_TITLES[iChapter], true);
        _EndMatch();
    }
}

void SceneScript_bg993::StartChapter(int32_t iChapter, int32_t iIslandMap, int32_t iSceneId)
{
    SetIntVar(VARINT_CURRENT_CHAPTER, iChapter);
    SetIntVar(VARINT_LOCAL_ISLAND_MAP, iIslandMap);
    GoToScene(iSceneId);
}

void SceneScript_bg993::BuildExitEvents()
{
    // Activate "clique": on into the next chapter. The chapters are tested
    // from the last down, so that the chapter a block sets is never tested by
    // a later block.
    _IfMatch(MatchExpr::MakeEvent0(Object("clique")));
    _IfMatch(InChapter(10));
    StartMiniGame(CREDITS_MINIGAME);
    _EndMatch();
    _IfMatch(InChapter(9));
    StartChapter(10, 4, 48); // bg508_TU_TurtlePath
    _EndMatch();
    _IfMatch(InChapter(8));
    StartChapter(9, 4, 7); // bg003_WM_AlessandrosCabin
    _EndMatch();
    _IfMatch(InChapter(7));
    StartChapter(8, 1, 8); // bg004_WM_AlessandrosCabin_N
    _EndMatch();
    _IfMatch(InChapter(6));
    StartChapter(7, 2, 28); // bg301_HO_Jety
    _EndMatch();
    _IfMatch(InChapter(5));
    StartChapter(6, 0, 7);
    _EndMatch();
    _IfMatch(InChapter(4));
    StartChapter(5, 0, 7);
    _EndMatch();
    _IfMatch(InChapter(3));
    StartChapter(4, 1, 8);
    _EndMatch();
    _IfMatch(InChapter(2));
    StartChapter(3, 0, 7);
    _EndMatch();
    // The kid's chapter ends: the grown-up heroine takes over in her cabin.
    _IfMatch(InChapter(1));
    SetIntVar(VARINT_CURRENT_CHAPTER, 2);
    SetIntVar(VARINT_LOCAL_ISLAND_MAP, 0);
    SetPlayingCharacter(TAVRINE);
    GoToScene(5); // bg001_WM_TavrinesCabin
    _EndMatch();
    _EndMatch();
}

} // namespace

// Scene 61, bg993_Loading_placeholder.
REGISTER_SCENE_SCRIPT(bg993, 61);
