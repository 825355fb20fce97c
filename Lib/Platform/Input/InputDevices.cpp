#include "Input/InputDevices.h"

#include "Input/SdlInputDevices.h"

namespace Platform {
namespace {

// Never destroyed: the devices are closed by their user, and a destructor
// running after the listener registry is gone must not touch it.
SdlInputDevices* SdlDevices()
{
    static SdlInputDevices* s_pDevices = new SdlInputDevices;
    return s_pDevices;
}

InputDevices* s_pInstalledDevices = nullptr;

} // namespace

InputDevices& GetInputDevices()
{
    return s_pInstalledDevices ? *s_pInstalledDevices : *SdlDevices();
}

void SetInputDevices(InputDevices* devices)
{
    s_pInstalledDevices = devices;
}

} // namespace Platform
