// The waveplay module's entry point.

#include <memory>

#include "PlugInGlue.h"
#include "TalWavOut.h"

TNA_PLUGIN_EXPORT AudioSourceInterface* GetInterface()
{
    return CreatePcmSourceInterface(std::make_unique<TalWavOut>(), kSourcePcmFile);
}
