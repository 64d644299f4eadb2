#include "LpcCmdHandler.h"
