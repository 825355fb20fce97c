#pragma once
#include "Graphics/GraphicsRecords.h"

class CoreTexture;

// A material that replaces a mesh's own when it is drawn: the device
// material and the texture handle (null for none).
struct CoreMaterial {
    Platform::Material m_oMaterial;
    CoreTexture* m_hTexture;
};
