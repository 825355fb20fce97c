// The talk screen reading the dialog, and its sentences typed out three lines
// a page.
#include "Common/GameLink.h"
#include "Common/SoundIds.h"
#include "Dialogs/Common/DialogInterface.h"
#include "Dialogs/Common/DialogManager.h"
#include "Dialogs/Common/TalkScreenServices.h"
#include "Error/EngineAssert.h"
#include "Input/Common/InputEventIds.h"
#include "Input/InputEventHandler.h"
#include "Utils/Common/DkLocalizer.h"
#include "Utils/Common/Utf8.h"

void DialogInterface::UpdateSubstrings()
{
    DialogManager* manager = GetManager();
    if (!m_bRefresh || manager == nullptr || !manager->IsDialogRunning())
        return;
    m_oArrowUp.m_bVisible = 0;
    m_oArrowDown.m_bVisible = 0;
    Dialog& oDialog = *manager->GetCurrentDialog();
    if (oDialog.GetSentenceNode() != nullptr) {
        ReadSentence(oDialog);
    } else if (oDialog.GetNumPropositions() > 0) {
        m_uSpeaker = GetPlayingCharacter();
        m_uMood = 0;
        m_iFirst = 0;
        BuildPropositionPage(true);
        m_bRefresh = 0;
        m_eState = DIALOG_STATE_THINKING;
        m_bRowsSliding = 1;
        for (int32_t k = 0; k < PAGE_ROWS; ++k)
            m_afxRowX[k] = (256 + 20 * k) * FX32_ONE;
    } else {
        // The dialog waits for its script: read it again next frame.
        m_eState = DIALOG_STATE_NONE;
        m_uSpeaker = 0;
    }
}

void DialogInterface::ReadSentence(Dialog& oDialog)
{
    uint32_t uTextId = 0;
    oDialog.GetSentence(m_uSpeaker, uTextId, m_uMood);
    TalkScreenServices& services = GetTalkScreenServices();
    const int32_t iSound = Id::GetSoundVariant(uTextId, GetGameLink().GetVoiceLanguage());
    if (iSound != -1)
        services.PlaySpeech(services.GetSpeakerSoundActor(m_uSpeaker), iSound);
    m_pSentenceText = g_oDkLocalizer.GetText(uTextId);
    LayoutSentence(m_pSentenceText);
    m_iFirst = 0;
    m_bRefresh = 0;
    m_eState = DIALOG_STATE_SENTENCE;
    m_uAutoTimer = AUTO_ADVANCE_TIME;
    ENGINE_ASSERT(m_iNbSubstrings <= DialogConstants::NB_TEXT_LINES_MAX);
    if (m_iNbSubstrings > DialogConstants::NB_TEXT_LINES_MAX)
        m_iNbSubstrings = DialogConstants::NB_TEXT_LINES_MAX;
    for (int32_t i = 0; i < m_iNbSubstrings; ++i) {
        // A line of wide code points can outgrow its buffer: it is cut after
        // the last whole one that fits.
        char* end =
            Utf8CopyCodePoints(m_aLayout[i].m_pStart, m_aLayout[i].m_iNbChars, m_asSubstrings[i], NB_CHAR_MAX - 1);
        *end = '\0';
    }
    StartLines();
}

void DialogInterface::LayoutSentence(const char* text)
{
    m_iNbSubstrings = 0;
    Tw::TextRenderer* renderer = GetTalkScreenServices().GetTextRenderer();
    if (text == nullptr || *text == '\0' || renderer == nullptr)
        return;
    SetTextArea(IsHeroSide(m_uSpeaker));
    renderer->SetClipRect(m_fxTextLeft, m_fxTextTop, m_fxTextRight, m_fxTextBottom);
    const auto capacity = static_cast<size_t>(renderer->GetSubstringsMaxNb());
    if (m_aLayout.size() < capacity)
        m_aLayout.resize(capacity);
    m_iNbSubstrings = capacity > 0 ? renderer->GenerateSubstrings(text, m_aLayout.data()) : 0;
}

void DialogInterface::StartLines()
{
    for (int32_t k = 0; k < PAGE_ROWS; ++k) {
        const int32_t line = m_iFirst + k;
        m_aoLines[k].SetText(line < m_iNbSubstrings ? m_asSubstrings[line] : "");
        m_aoLines[k].SetRate(TypewriterLine::DEFAULT_RATE);
    }
}

void DialogInterface::UpdateSentence(uint32_t dt)
{
    if (!m_bSlidingOut) {
        for (int32_t k = 0; k < PAGE_ROWS; ++k) {
            if (k > 0 && !m_aoLines[k - 1].IsDone())
                break;
            m_aoLines[k].Update(dt);
        }
        if (m_aoLines[PAGE_ROWS - 1].IsDone()) {
            if (m_uAutoTimer <= dt) {
                m_uAutoTimer = AUTO_ADVANCE_TIME;
                NextPage();
            } else {
                m_uAutoTimer -= dt;
            }
        }
    }
    if (m_eState != DIALOG_STATE_SENTENCE || m_bRefresh)
        return;
    if (!GetGameLink().IsAutoTest())
        HandleInputsSentenceMode();
    else if (!GetGameLink().AutoTestWaitsForSentences())
        NextPage();
    else if (!IsPortraitSliding() && m_aoLines[PAGE_ROWS - 1].IsDone())
        NextPage();
}

void DialogInterface::HandleInputsSentenceMode()
{
    const InputEventHandler* input = InputEventHandler::m_pSingleton;
    if (input == nullptr || m_bSlidingOut || !input->IsEventActive(InputEventId_PointerPressed, nullptr, nullptr))
        return;
    if (m_aoLines[PAGE_ROWS - 1].IsDone()) {
        NextPage();
        return;
    }
    for (TypewriterLine& line : m_aoLines)
        line.Complete();
}

void DialogInterface::NextPage()
{
    if (m_iFirst + PAGE_ROWS < m_iNbSubstrings) {
        m_iFirst += PAGE_ROWS;
        StartLines();
        return;
    }
    TalkScreenServices& services = GetTalkScreenServices();
    services.StopSpeech(services.GetSpeakerSoundActor(m_uSpeaker));
    m_bRefresh = 1;
    if (DialogManager* manager = GetManager(); manager && manager->GetCurrentDialog())
        manager->GetCurrentDialog()->Advance();
    m_bSlidingIn = 0;
    PlacePortraitAtTarget();
}
