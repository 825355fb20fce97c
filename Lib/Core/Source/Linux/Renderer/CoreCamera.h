#pragma once
#include "Maths/CoreMatrix.h"

// What a camera hands the renderer: its view, then its projection.
struct CoreCamera {
    CoreMatrix m_oView;
    CoreMatrix m_oProjection;
};
