#include "Decoders.h"
#include "WholeFileModule.h"

KADRO_MODULE_ENTRY(kadro::modules::bmpDecoder)
