#pragma once

#include <QLabel>
