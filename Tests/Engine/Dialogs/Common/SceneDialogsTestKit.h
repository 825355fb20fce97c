#pragma once
// A scene's compiled dialogs, played on their own: the callbacks a dialog
// sends and the flags it sets, with the answer given where a choice comes.
#include "Dialogs/Common/Dialog.h"
#include "Dialogs/Common/DialogManager.h"

#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "Engine/ScriptEngine/common/ScriptWalkTestKit.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptTreeBuilder.h"
#include "Support/Files.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

class SceneDialogsTest : public ScriptWalkTest {
protected:
    SceneDialogsTest()
    {
        g_oGameInterface.AttachScriptTree(&m_oTree);
        manager.SetScriptDispatch(&dispatch);
        manager.Initialize();
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 2);
    }
    ~SceneDialogsTest() override { g_oGameInterface.AttachScriptTree(nullptr); }

    // Loads the scene's compiled group ("<row name>.dialogs.dat") as the
    // current one, in that scene.
    void UseGroup(const char* pFile, int32_t iScene)
    {
        m_aFile = TestSupport::ReadFileBytes(TestSupport::DataDir() / "scenes" / pFile);
        const int32_t iSlot = manager.AddDialogGroup(-1, m_aFile.data(), m_aFile.size(), iScene, pFile);
        ASSERT_NE(iSlot, -1) << pFile;
        manager.SetCurrentDialogGroup(iSlot);
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, iScene);
    }

    // Walks the dialog to its end, taking the answer where a choice is
    // offered; the callbacks it sent, in order.
    std::vector<uint32_t> Walk(uint32_t uDialog, const char* pAnswer = nullptr)
    {
        manager.StartDialog(uDialog);
        const Dialog& dialog = *manager.GetCurrentDialog();
        std::vector<uint32_t> sent;
        for (int i = 0; i < 64 && !dialog.IsEnded(); ++i) {
            if (dialog.IsWaitingForScript()) {
                sent.push_back(dialog.GetCurrentNode()->m_uWord2);
                manager.UpdateScript();
                RunFrame();
            } else if (dialog.GetSentenceNode() == nullptr && pAnswer != nullptr) {
                manager.SelectProposition(OfferOf(pAnswer));
            } else {
                manager.GetCurrentDialog()->Advance();
            }
        }
        EXPECT_TRUE(dialog.IsEnded()) << std::hex << uDialog;
        return sent;
    }
    int32_t OfferOf(const char* pText) const
    {
        int32_t iCount = 0, iLast = -1;
        std::vector<uint32_t> texts(MAX_OFFERED_PROPOSITIONS);
        manager.GetPropositions(iCount, texts.data(), nullptr, iLast);
        const auto found = std::find(texts.begin(), texts.begin() + iCount, CoreCrc32Of(pText));
        EXPECT_NE(found, texts.begin() + iCount) << pText;
        return static_cast<int32_t>(found - texts.begin());
    }
    // The keys of the group's dialogs.
    std::vector<uint32_t> Keys() const
    {
        Dialog group;
        EXPECT_TRUE(group.Initialize(m_aFile.data(), m_aFile.size(), "group"));
        std::vector<uint32_t> keys;
        for (int32_t i = 0; i < group.GetNumDialogs(); ++i)
            keys.push_back(group.GetKeys()[i].m_uKey);
        return keys;
    }
    // The texts the dialog says, in order, to its end.
    std::vector<uint32_t> Lines(uint32_t uDialog)
    {
        manager.StartDialog(uDialog);
        const Dialog& dialog = *manager.GetCurrentDialog();
        std::vector<uint32_t> lines;
        for (int i = 0; i < 64 && !dialog.IsEnded(); ++i) {
            if (dialog.IsWaitingForScript()) {
                manager.UpdateScript();
                RunFrame();
                continue;
            }
            if (dialog.GetSentenceNode() != nullptr)
                lines.push_back(dialog.GetSentenceNode()->m_uWord1);
            manager.GetCurrentDialog()->Advance();
        }
        EXPECT_TRUE(dialog.IsEnded()) << std::hex << uDialog;
        return lines;
    }
    // The callbacks that the scene's script answers, read from its built
    // handlers.
    static std::set<uint32_t> HandledCallbacks(int32_t iScene)
    {
        ScriptNodePool handlers;
        handlers.InitPool();
        const std::unique_ptr<SceneScript> script(CreateScriptFromId(iScene));
        const ScriptNodeIndex root = handlers.AllocNode();
        ScriptTreeBuilder builder(handlers, root);
        SceneScript::BuildScriptTree(script.get(), &builder);
        std::set<uint32_t> callbacks;
        for (ScriptNodeIndex iNode = root; iNode < handlers.GetNbAllocated(); ++iNode) {
            const EventDesc& event = handlers[iNode].m_oEvent;
            if (handlers[iNode].m_iType == NodeType_Event && event.m_eType == TwEventType_Dialog_CB)
                callbacks.insert(static_cast<uint32_t>(event.m_oParameter[0]));
        }
        handlers.TermPool();
        return callbacks;
    }
    bool Get(int32_t iVarId) const { return g_VarManager.GetBool(iVarId) != 0; }
    void Set(int32_t iVarId, bool bValue = true) { g_VarManager.SetBool(iVarId, bValue ? 1 : 0); }

    DialogManager manager;

private:
    ScriptTree m_oTree {&pool, root};
    std::vector<uint8_t> m_aFile;
};
