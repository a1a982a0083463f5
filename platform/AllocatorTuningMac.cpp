#include "platform/AllocatorTuning.h"

void AllocatorTuning::apply() {}
