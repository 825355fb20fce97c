#include "Support/HeadlessInput.h"

#include "Input/CoreInput.h"
#include "Input/InputEventHandler.h"

namespace TestSupport {

ScopedHeadlessInput::ScopedHeadlessInput(bool initialize)
{
    Platform::SetInputDevices(&m_oDevices);
    Input::CreateSingleton();
    if (initialize)
        Input::m_pSingleton->Initialize(nullptr);
}

ScopedHeadlessInput::~ScopedHeadlessInput()
{
    Input::m_pSingleton->Shutdown();
    Input::DestroySingleton();
    g_bSwapMouseButtons = 0;
    Platform::SetInputDevices(nullptr);
}

void ScopedHeadlessInput::Frame()
{
    Input::m_pSingleton->UpdatePad();
    Input::m_pSingleton->UpdateMouse();
    Input::m_pSingleton->UpdateKeyboard();
    if (InputEventHandler::m_pSingleton)
        InputEventHandler::m_pSingleton->Update(16);
}

} // namespace TestSupport
