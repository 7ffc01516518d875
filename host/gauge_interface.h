#pragma once
// Everything a gauge module and the host share.
#include "host/elements.h"
#include "host/gauge_header.h"
#include "host/module_var.h"
#include "host/mouse.h"
#include "host/panels.h"
#include "host/services.h"
#include "host/surface.h"
