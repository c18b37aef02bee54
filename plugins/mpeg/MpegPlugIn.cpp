// The mpegplay module's entry point.

#include <memory>

#include "PlugInGlue.h"
#include "TalMp3Out.h"

TNA_PLUGIN_EXPORT AudioSourceInterface* GetInterface()
{
    AudioSourceInterface* record = CreatePcmSourceInterface(std::make_unique<TalMp3Out>(), kSourcePcmFile);
    if (record)
        record->Open = Mp3OpenSlot;
    return record;
}
