#include "Engine/Inventory/Common/MenuTestKit.h"

#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"

namespace MenuTest {

void MenuWorld::SetUp()
{
    TestSupport::EnsureMainHeap();
    ResourceManager::CreateSingleton();
    TestSupport::LogCapture log;
    {
        TestSupport::ScopedWorkingDirectory data(TestSupport::DataDir());
        ASSERT_TRUE(ResourceManager::GetInstance()->LoadCommonPackages());
    }
    InterfaceButton::FillDefinitionTable();
    InterfaceMenu::CreateSingleton();
    ASSERT_TRUE(Menu().Open(HEROINE));
    ASSERT_TRUE(Menu().Load());
    // The map, quest and options art may be missing: only the inventory's is
    // checked here.
    EXPECT_EQ(log.Text().find("s_inv_"), std::string::npos) << log.Text();
    EXPECT_EQ(log.Text().find("s_gen_"), std::string::npos) << log.Text();
}

void MenuWorld::TearDown()
{
    if (InterfaceMenu::GetInstance()) {
        Menu().Unload();
        Menu().Close();
        InterfaceMenu::DestroySingleton();
    }
    ResourceManager::DestroySingleton();
}

void MenuWorld::Drag(fx32 x0, fx32 y0, fx32 x1, fx32 y1)
{
    Frame(x0, y0, false);
    Frame(x0, y0, true);
    Frame((x0 + x1) / 2, (y0 + y1) / 2, true);
    Frame(x1, y1, true);
    Frame(x1, y1, false);
}

} // namespace MenuTest
