#include "foundation/Options.h"

tOptions GlobalOptions;
