#pragma once

#include "editor/Session.h"
