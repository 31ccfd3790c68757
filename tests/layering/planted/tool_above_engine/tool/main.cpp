#include "session/AppState.h"
