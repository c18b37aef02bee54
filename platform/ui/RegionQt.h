#pragma once
#include <QRegion>

#include "ui/Region.h"
