// Every mood that a line of the built dialogs asks of its speaker has a
// portrait in the common pack: the talk screen shows a line that asks for a
// missing one without a face, and logs the texture missing.
#include "Common/IdHash.h"
#include "DataPack/DkDataPackBinding.h"
#include "Dialogs/Common/Dialog.h"
#include "Dialogs/Common/DialogInterface.h"
#include "Dialogs/Common/DialogNode.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/NullRendererTest.h"
#include "Support/TestPaths.h"
#include "Texture/CoreTextureManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// Portrait name -> the first dialog that asks for it.
using AskedPortraits = std::map<std::string, std::string>;

std::string HexOfWord(uint32_t uValue)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", uValue);
    return text;
}

void AddPortraitsAskedUnder(const DialogNode& node, const std::string& where, AskedPortraits& asked)
{
    if (node.m_eType == DialogNode::DLG_SENTENCE) {
        const char* pPortrait = DialogInterface::GetPortraitSpriteName(node.m_uWord2, node.m_uWord3);
        asked.emplace(pPortrait != nullptr ? pPortrait : "the portrait of unknown speaker " + HexOfWord(node.m_uWord2),
                      where);
    }
    for (int32_t i = 0; i < node.m_iNbChildren; ++i)
        AddPortraitsAskedUnder(node.m_pChildren[i], where, asked);
}

// The portraits that the lines of every built dialog group ask for.
AskedPortraits PortraitsAskedByTheBuiltDialogs()
{
    AskedPortraits asked;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(TestSupport::DataDir() / "scenes"))
        if (entry.path().filename().string().ends_with(".dialogs.dat"))
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const std::filesystem::path& file : files) {
        const std::vector<uint8_t> bytes = TestSupport::ReadFileBytes(file);
        const std::string name = file.filename().string();
        Dialog group;
        EXPECT_TRUE(!bytes.empty() && group.Initialize(bytes.data(), bytes.size(), name.c_str())) << name;
        for (int32_t i = 0; i < group.GetNumDialogs(); ++i)
            if (const DialogNode* pRoot = group.GetRoot(group.GetKeys()[i].m_iRootIndex))
                AddPortraitsAskedUnder(*pRoot, name + ", dialog " + HexOfWord(group.GetKeys()[i].m_uKey), asked);
    }
    return asked;
}

std::string MissingPortraits(const AskedPortraits& asked, const std::function<bool(const std::string&)>& has)
{
    std::string lines;
    for (const auto& [portrait, where] : asked)
        if (!has(portrait))
            lines += where + ": a line asks for " + portrait + ", which the common pack lacks\n";
    return lines;
}

class EveryLinePortraitTest : public TestSupport::NullRendererTest { };

TEST_F(EveryLinePortraitTest, EveryMoodALineAsksOfItsSpeakerHasAPortraitInTheCommonPack)
{
    TestSupport::EnsureMainHeap();
    AskedPortraits asked = PortraitsAskedByTheBuiltDialogs();
    ASSERT_GE(asked.size(), 40u);

    std::vector<uint8_t> pack = TestSupport::ReadFileBytes(TestSupport::DataDir() / "common.dr");
    DataPack common;
    TestSupport::LogCapture log;
    ASSERT_TRUE(DkDataPackBinding::BindPack(common, pack.data(), pack.size(), "common.dr"));
    const auto inThePack = [](const std::string& name) {
        return g_pTextureManager->GetTextureByName(name.c_str()) != nullptr;
    };
    EXPECT_EQ(MissingPortraits(asked, inThePack), "");
    EXPECT_EQ(log.Take(), "");

    // A portrait taken out of the pack, and a mood asked of a speaker whose
    // drawn portraits lack it, are found where the lines ask for them.
    const std::string removed = "intdial_tavrine_kid_afraid";
    ASSERT_EQ(asked.count(removed), 1u);
    EXPECT_EQ(MissingPortraits(asked, [&](const std::string& name) { return name != removed && inThePack(name); }),
              asked.at(removed) + ": a line asks for " + removed + ", which the common pack lacks\n");
    asked = {{DialogInterface::GetPortraitSpriteName(ActorIdOf("bonita_c_chair"), 6), "a planted line"}};
    EXPECT_EQ(MissingPortraits(asked, inThePack),
              "a planted line: a line asks for intdial_bonita_c_chair_sick, which the common pack lacks\n");
    DkDataPackBinding::UnbindPack(common);
    EXPECT_NE(log.Take().find("intdial_bonita_c_chair_sick"), std::string::npos);
}

} // namespace
