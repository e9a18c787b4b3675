// Linked into the fuzz targets that look cores up: the catalogue is filled once,
// before the first input, as the programs fill it at start.
#include "catalogue/catalogue.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    zova::LoadCatalogue();
    return 0;
}
