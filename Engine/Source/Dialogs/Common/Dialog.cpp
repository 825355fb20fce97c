#include "Dialogs/Common/Dialog.h"

#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "ScriptEngine/common/ScriptTreeContext.h"

#include <cstring>

Dialog::Dialog() = default;

Dialog::~Dialog()
{
    Release();
}

bool Dialog::Initialize(const uint8_t* pData, size_t uSize, const char* pFileName)
{
    Release();
    SerialStream stream(pData, uSize, pFileName);
    if (!Parse(stream)) {
        CorePrint(&g_oCoreLog, "Dialog::Initialize -- \"%s\" refused\n", stream.GetFileName());
        Release();
        return false;
    }

    m_pScriptContext = std::make_unique<ScriptTreeContext>();
    m_pScriptContext->Clear();
    m_bWaitingForScript = 0;
    m_bEnded = 1;
    return true;
}

bool Dialog::Parse(SerialStream& stream)
{
    char magic[sizeof DIALOG_FILE_MAGIC];
    if (!stream.ReadBytes(magic, sizeof magic))
        return false;
    if (std::memcmp(magic, DIALOG_FILE_MAGIC, sizeof magic) != 0) {
        CorePrint(&g_oCoreLog, "Dialog::Initialize -- Invalid magic number !\n");
        return false;
    }
    const uint16_t uMajor = stream.ReadU16();
    const uint16_t uMinor = stream.ReadU16();
    if (!stream.IsGood())
        return false;
    if (uMajor != DIALOG_FILE_MAJOR_VERSION || uMinor != DIALOG_FILE_MINOR_VERSION) {
        CorePrint(&g_oCoreLog, "Dialog::Initialize -- Invalid version number (got %i.%i, expected %i.%i)\n", uMajor,
                  uMinor, DIALOG_FILE_MAJOR_VERSION, DIALOG_FILE_MINOR_VERSION);
        return false;
    }
    // The name fills its field without a terminator when it is 16 long.
    if (!stream.ReadBytes(m_sName, DIALOG_GROUP_NAME_SIZE))
        return false;
    m_sName[DIALOG_GROUP_NAME_SIZE] = '\0';

    const SerialChunkHeader oChunk = stream.ReadChunkHeader();
    ENGINE_ASSERT(oChunk.m_iId == SERIALSTREAM_MAKE_ID('D','T','O','C'));
    const uint32_t uNumDialogs = stream.ReadU32();
    if (!stream.IsGood())
        return false;
    if (uNumDialogs == 0) {
        CorePrint(&g_oCoreLog, "Dialog::Initialize -- Number of dialogs must be greater than 0 !\n");
        return false;
    }
    // Each dialog takes at least its key pair and an empty root.
    if (!stream.HasRoomFor(uNumDialogs, DIALOG_KEY_RECORD_SIZE + DIALOG_MIN_NODE_RECORD_SIZE))
        return false;
    m_iNumDialogs = static_cast<int32_t>(uNumDialogs);
    if (!ReadKeys(stream) || !ReadRoots(stream))
        return false;

    int32_t iCounter = 0;
    for (int32_t i = 0; i < m_iNumDialogs; ++i) {
        DialogNode& oRoot = m_pRoots[i];
        for (int32_t iChild = 0; iChild < oRoot.m_iNbChildren; ++iChild)
            if (!NumberPropositions(oRoot.m_pChildren[iChild], iCounter))
                return false;
    }
    return true;
}

bool Dialog::ReadKeys(SerialStream& stream)
{
    const SerialChunkHeader oChunk = stream.ReadChunkHeader();
    ENGINE_ASSERT(oChunk.m_iId == SERIALSTREAM_MAKE_ID('D','K','E','Y'));
    m_pKeys = std::make_unique<DialogKey[]>(m_iNumDialogs);
    for (int32_t i = 0; i < m_iNumDialogs; ++i) {
        m_pKeys[i].m_uKey = stream.ReadU32();
        const uint32_t uRoot = stream.ReadU32();
        if (!stream.IsGood())
            return false;
        if (uRoot != DIALOG_NO_ROOT && uRoot >= static_cast<uint32_t>(m_iNumDialogs)) {
            CorePrint(&g_oCoreLog, "Dialog::Initialize -- key 0x%08X names root %u of %d\n", m_pKeys[i].m_uKey, uRoot,
                      m_iNumDialogs);
            return false;
        }
        m_pKeys[i].m_iRootIndex = uRoot == DIALOG_NO_ROOT ? -1 : static_cast<int32_t>(uRoot);
    }
    return true;
}

bool Dialog::ReadRoots(SerialStream& stream)
{
    const SerialChunkHeader oChunk = stream.ReadChunkHeader();
    ENGINE_ASSERT(oChunk.m_iId == SERIALSTREAM_MAKE_ID('D', 'D','A','T'));
    m_pRoots = std::make_unique<DialogNode[]>(m_iNumDialogs);
    for (int32_t i = 0; i < m_iNumDialogs; ++i)
        if (!m_pRoots[i].Initialize(stream, 0))
            return false;
    return true;
}

bool Dialog::NumberPropositions(DialogNode& oNode, int32_t& iCounter)
{
    if (oNode.m_eType == DialogNode::DLG_PROPOSITION) {
        // Read marks keep 64 propositions per group: a 65th would mark the
        // next group's.
        if (iCounter >= MAX_PROPOSITION_PER_DIALOG_GROUP) {
            CorePrint(&g_oCoreLog, "Dialog::Initialize -- more than %d propositions\n",
                      MAX_PROPOSITION_PER_DIALOG_GROUP);
            return false;
        }
        oNode.m_iPropositionIndex = iCounter++;
        // The walk offers every child of the proposition's nearest choice
        // (or root) at once.
        const DialogNode* pOffer = oNode.m_pParent;
        while (pOffer != nullptr && !pOffer->IsChoiceOrRoot())
            pOffer = pOffer->m_pParent;
        if (pOffer != nullptr && pOffer->m_iNbChildren > MAX_OFFERED_PROPOSITIONS) {
            CorePrint(&g_oCoreLog, "Dialog::Initialize -- a choice of %d nodes, more than %d\n", pOffer->m_iNbChildren,
                      MAX_OFFERED_PROPOSITIONS);
            return false;
        }
    } else {
        oNode.m_iPropositionIndex = -1;
    }
    for (int32_t i = 0; i < oNode.m_iNbChildren; ++i)
        if (!NumberPropositions(oNode.m_pChildren[i], iCounter))
            return false;
    return true;
}

void Dialog::Release()
{
    m_pScriptContext.reset();
    m_pRoots.reset();
    m_pKeys.reset();
    m_iNumDialogs = 0;
    m_iCurrentDialog = 0;
    m_pCurrentNode = nullptr;
    m_pSentence = nullptr;
    m_iNumProposition = 0;
    m_bWaitingForScript = 0;
    m_bEnded = 1;
}

const DialogNode* Dialog::GetRoot(int32_t iIndex) const
{
    return iIndex >= 0 && iIndex < m_iNumDialogs ? &m_pRoots[iIndex] : nullptr;
}

const DialogNode* Dialog::GetProposition(int32_t i) const
{
    return i >= 0 && i < m_iNumProposition ? m_aPropositions[i] : nullptr;
}

int32_t Dialog::GetPropositionChildIndex(int32_t i) const
{
    return i >= 0 && i < m_iNumProposition ? m_aChildIndices[i] : -1;
}
